// The one translation of the toolkit's keys into the cores' key codes, and
// of the cores' CR LF texts into the panes' LF.
#include "ui/key_input.h"

#include <QKeyEvent>
#include <QtTest>

#include "engine/year_box.h"

using namespace orvane;
using namespace orvane::ui;

class KeyInputTest : public QObject {
  Q_OBJECT

 private slots:
  void aKeyPressTypesItsCharacter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keyAscii");
    QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << int('7');
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-" << int('-');
    QTest::newRow("blank") << int(Qt::Key_Space) << 0 << " " << 32;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
    QTest::newRow("a letter beyond ASCII") << int(Qt::Key_Eacute) << 0 << "\u00E9" << 0xE9;
    QTest::newRow("beyond the 16-bit range") << int(Qt::Key_unknown) << 0 << "\U0001F600" << 0x1F600;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "\x7f" << 0;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << "\t" << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 0;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << "" << 0;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03" << 0;
    QTest::newRow("Alt+x") << int(Qt::Key_X) << int(Qt::AltModifier) << "x" << 0;
    QTest::newRow("Shift+n") << int(Qt::Key_N) << int(Qt::ShiftModifier) << "N" << int('N');
  }
  void aKeyPressTypesItsCharacter() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, keyAscii);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(KeyAsciiOf(&event), keyAscii);
  }

  void theArrowsAndF1HaveTheirKeyCodes() {
    const std::pair<int, int> keys[] = {{Qt::Key_Up, kKeyUp}, {Qt::Key_Down, kKeyDown}, {Qt::Key_F1, kKeyF1},
                                        {Qt::Key_Left, 0},    {Qt::Key_PageUp, 0},      {Qt::Key_A, 0}};
    for (const auto& [key, code] : keys) {
      const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
      QCOMPARE(KeyCodeOf(&event), code);
    }
  }

  void panesShowLfLineEnds() {
    QCOMPARE(WithLfLineEnds(std::string("Abib 1\r\n\r\nPassover\r\n")), QString("Abib 1\n\nPassover\n"));
    QCOMPARE(WithLfLineEnds(QString("no end")), QString("no end"));
  }
};

QTEST_MAIN(KeyInputTest)
#include "key_input_test.moc"
