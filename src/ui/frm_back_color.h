// frmBackColor: the background colours of the windows, one swatch per
// target, each opening the colour dialog preset to the target's colour.
// The colours live in the user data's ColourSettings; the window changes
// them there and asks its owner to recolour the windows at once.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/user_data.h"

namespace orvane::ui {

// The colour choice: the colour chosen, or nothing when the user cancels.
class ColourDialog {
 public:
  virtual ~ColourDialog() = default;
  virtual std::optional<std::int32_t> Choose(std::int32_t old, QWidget* parent) = 0;
};

// The toolkit's standard colour dialog.
class QtColourDialog final : public ColourDialog {
 public:
  std::optional<std::int32_t> Choose(std::int32_t old, QWidget* parent) override;
};

// A colour number (red in the low byte) as a colour and back.
QColor ToQColor(std::int32_t colour);
std::int32_t FromQColor(const QColor& colour);
// Fills a window's, frame's or label's background with the colour.
void SetBackground(QWidget* widget, std::int32_t colour);
// The background of a text box.
void SetTextBackground(QWidget* box, std::int32_t colour);

// The sixteen swatches, in the window's order.
enum class Swatch {
  MainForm,
  MainFormTxt,
  RabbinicalMain,
  RabFormTxt,
  ConversionsMain,
  GregorianFrame,
  JulianCalendarFrame,
  BiblicalFrame,
  HebrewFrame,
  JulianFrame,
  GDayOfWeek,
  BDayOfWeek,
  Molad,
  Rules,
  AboutForm,
  AboutTxt
};
inline constexpr int kSwatchCount = 16;

// The colour of a swatch's target in the settings (the Biblical frame's is
// kept for the run only).
std::int32_t& ColourOf(app::ColourSettings& colours, Swatch swatch);

class frmBackColor : public QWidget {
  Q_OBJECT

 public:
  // `recolour` recolours every open window from the settings; `changed`
  // runs when a target's colour really changed.
  frmBackColor(app::ColourSettings& colours, ColourDialog& dialog, std::function<void()> recolour,
               std::function<void()> changed, QWidget* parent = nullptr);

  std::array<QLineEdit*, kSwatchCount> swatches;
  QLineEdit* swatch(Swatch s) const { return swatches[static_cast<std::size_t>(s)]; }
  QCheckBox* chkStayOnTop;

  // A click on a swatch.
  void Swatch_Click(Swatch s);
  void chkStayOnTop_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  app::ColourSettings& colours_;
  ColourDialog& dialog_;
  std::function<void()> recolour_;
  std::function<void()> changed_;
};

}  // namespace orvane::ui
