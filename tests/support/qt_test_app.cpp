#include "tests/support/qt_test_app.h"

#include <QApplication>

namespace sa::test {

QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "sa-test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace sa::test
