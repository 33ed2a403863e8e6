#include "ui/frm_back_color.h"

#include <QColorDialog>
#include <QEvent>
#include <QGroupBox>

#include "ui/stay_on_top.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

namespace orvane::ui {

std::optional<std::int32_t> QtColourDialog::Choose(std::int32_t old, QWidget* parent) {
  const QColor chosen = QColorDialog::getColor(ToQColor(old), parent, "Color");
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

QColor ToQColor(std::int32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::int32_t FromQColor(const QColor& colour) {
  return app::Rgb(colour.red(), colour.green(), colour.blue());
}

void SetBackground(QWidget* widget, std::int32_t colour) { FillBackground(widget, ToQColor(colour)); }

void SetTextBackground(QWidget* box, std::int32_t colour) {
  QPalette p = box->palette();
  p.setColor(QPalette::Base, ToQColor(colour));
  box->setPalette(p);
}

std::int32_t& ColourOf(app::ColourSettings& c, Swatch swatch) {
  using I = app::ColourItem;
  switch (swatch) {
    case Swatch::MainForm:
      return c[I::MainForm];
    case Swatch::MainFormTxt:
      return c[I::MainText];
    case Swatch::RabbinicalMain:
      return c[I::HebrewForm];
    case Swatch::RabFormTxt:
      return c[I::HebrewText];
    case Swatch::ConversionsMain:
      return c[I::ConversionForm];
    case Swatch::GregorianFrame:
      return c[I::GregorianFrame];
    case Swatch::JulianCalendarFrame:
      return c[I::JulianCalendarFrame];
    case Swatch::BiblicalFrame:
      return c.biblicalFrame;
    case Swatch::HebrewFrame:
      return c[I::HebrewFrame];
    case Swatch::JulianFrame:
      return c[I::JulianDayFrame];
    case Swatch::GDayOfWeek:
      return c[I::GregorianWeekday];
    case Swatch::BDayOfWeek:
      return c[I::BiblicalWeekday];
    case Swatch::Molad:
      return c[I::Molad];
    case Swatch::Rules:
      return c[I::Rules];
    case Swatch::AboutForm:
      return c[I::AboutForm];
    case Swatch::AboutTxt:
      return c[I::AboutText];
  }
  return c.biblicalFrame;
}

namespace {
struct SwatchDesign {
  const char* name;
  const char* text;
};
constexpr std::array<SwatchDesign, kSwatchCount> kSwatches{{
    {"txtMainForm", "Orvane Form"},
    {"txtMainFormTxt", "Orvane Text"},
    {"txtRabbinicalMain", "Rabbinical Form"},
    {"txtRabFormTxt", "Rabbinical Text"},
    {"txtConversionsMain", "Conversions Form"},
    {"txtGregorianFrame", "Gregorian Frame"},
    {"txtJulianCalendarFrame", "Julian Frame"},
    {"txtBiblicalFrame", "Biblical Frame"},
    {"txtHebrewFrame", "Hebrew Frame"},
    {"txtJulianFrame", "Julian Day Frame"},
    {"txtGDayOfWeek", "Gregorian Day of Week"},
    {"txtBDayOfWeek", "Biblical Day of Week"},
    {"txtMolad", "Molad of Tishri"},
    {"txtRules", "Postponement Rules"},
    {"txtAboutForm", "About Form"},
    {"txtAboutTxt", "About Text"},
}};
}  // namespace

frmBackColor::frmBackColor(app::ColourSettings& colours, ColourDialog& dialog, std::function<void()> recolour,
                           std::function<void()> changed, QWidget* parent)
    : QWidget(parent, Qt::Window),
      colours_(colours),
      dialog_(dialog),
      recolour_(std::move(recolour)),
      changed_(std::move(changed)) {
  setObjectName("frmBackColor");
  setWindowTitle("Background Colors");
  setFixedSize(Px(3255), Px(7590));
  // The four groups and the swatches in each, one below the other.
  const struct {
    const char* caption;
    int first;
    int count;
  } groups[] = {
      {"Main Program Form", 0, 2}, {"Rabbinical Calendar", 2, 2}, {"Conversions", 4, 10}, {"About", 14, 2}};
  int top = 180;
  for (const auto& g : groups) {
    auto* frame = new QGroupBox(g.caption, this);
    const int height = 300 + g.count * 380;
    frame->setGeometry(TwipsRect(120, top, 3015, height));
    for (int i = 0; i < g.count; ++i) {
      const int n = g.first + i;
      auto* s = new QLineEdit(QString::fromUtf8(kSwatches[static_cast<std::size_t>(n)].text), frame);
      s->setObjectName(kSwatches[static_cast<std::size_t>(n)].name);
      s->setToolTip(s->text());
      s->setReadOnly(true);
      s->setAlignment(Qt::AlignCenter);
      s->setCursor(Qt::PointingHandCursor);
      s->setGeometry(TwipsRect(120, 240 + i * 380, 2775, 375));
      s->installEventFilter(this);
      SetTextBackground(s, ColourOf(colours_, static_cast<Swatch>(n)));
      swatches[static_cast<std::size_t>(n)] = s;
    }
    top += height + 30;
  }
  chkStayOnTop = new QCheckBox(this);
  chkStayOnTop->setObjectName("chkStayOnTop");
  chkStayOnTop->setToolTip("Make this window stay on top of others");
  chkStayOnTop->setGeometry(TwipsRect(2940, 0, 300, 240));
  connect(chkStayOnTop, &QCheckBox::clicked, this, &frmBackColor::chkStayOnTop_Click);
}

void frmBackColor::Swatch_Click(Swatch s) {
  std::int32_t& target = ColourOf(colours_, s);
  const std::int32_t old = target;
  target = dialog_.Choose(old, this).value_or(old);
  // The targets and their companions first, then the swatch.
  if (recolour_) recolour_();
  SetTextBackground(swatch(s), target);
  if (target != old && changed_) changed_();
}

void frmBackColor::chkStayOnTop_Click() { SetStayOnTop(this, chkStayOnTop->isChecked()); }

bool frmBackColor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int n = 0; n < kSwatchCount; ++n) {
      if (watched == swatches[static_cast<std::size_t>(n)]) {
        Swatch_Click(static_cast<Swatch>(n));
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orvane::ui
