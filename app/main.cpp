#include <QApplication>

#include <cstring>

#include "app/core/app_controller.h"
#include "app/core/app_state.h"
#include "app/core/main_window.h"
#include "app/students/record_operations.h"
#include "app/students/setup_operations.h"
#include "app/ui/qt_prompt.h"
#include "settings/own_area.h"

int main(int argc, char** argv) {
  // Lets an installer check what a configured copy carries, without a display.
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--print-settings") == 0) return sa::settings::printOwnSettings();
  QApplication app(argc, argv);
  // The main window stays hidden until a login; windows closing must not end
  // the program, only the controller does.
  app.setQuitOnLastWindowClosed(false);

  sa::core::AppState state;
  sa::ui::QtPrompt prompt;
  sa::core::AppController controller(state, prompt);
  QObject::connect(&controller, &sa::core::AppController::finished, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  // Each subsystem plugs its menu operations and pages into the main window.
  QObject::connect(&controller, &sa::core::AppController::mainWindowCreated, [&](sa::core::MainWindow* window) {
    sa::students::registerSetupOperations(*window, state, prompt);
    sa::students::registerRecordOperations(*window, state, prompt);
  });
  if (!controller.start(sa::settings::readOwnSettings())) return 0;
  return app.exec();
}
