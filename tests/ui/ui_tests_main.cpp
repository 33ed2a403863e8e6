// The window tests as one program: one application on the offscreen
// platform, each window's test class run in turn.
#include <QApplication>
#include <QStandardPaths>
#include <QtTest>

int MainWindowTests(int argc, char** argv);
int SmallWindowsTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  QStandardPaths::setTestModeEnabled(true);
  int failed = 0;
  for (auto* run : {&MainWindowTests, &SmallWindowsTests}) failed += run(argc, argv);
  return failed == 0 ? 0 : 1;
}
