#include <QApplication>

#include <cstring>

#include "app/core/app_controller.h"
#include "app/core/app_state.h"
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
  if (!controller.start(sa::settings::readOwnSettings())) return 0;
  return app.exec();
}
