#include "crescent/crescent_window_model.h"

#include <vector>

#include "engine/numeric.h"

namespace orvane::crescent {

void CrescentWindowModel::Form_Load(const Date& today) {
  dateText =
      num::CStr(today.year) + "-" + num::ZeroPadded(today.month, 2) + "-" + num::ZeroPadded(today.day, 2);
  cmdHelp_Click();
}

bool CrescentWindowModel::cmdCompute_Click() {
  Date date;
  std::string error;
  if (!ParseDate(dateText, date, error)) {
    output_ = "The date " + error + ".\n";
    map_.reset();
    return false;
  }
  std::vector<CrescentEvening> evenings;
  evenings.reserve(kEvenings);
  const double first = DayJD(date);
  for (int i = 0; i < kEvenings; ++i) evenings.push_back(EvaluateEvening(first + i, place_));
  output_ = CrescentTable(evenings, label_);
  map_ = EvaluateWorld(first);
  return true;
}

}  // namespace orvane::crescent
