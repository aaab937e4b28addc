// The Configurator: with options a scripted install, without them the window.
#include <QApplication>
#include <QCoreApplication>

#include "configurator/app_image.h"
#include "configurator/command_line.h"
#include "configurator/configurator_window.h"

int main(int argc, char** argv) {
  if (argc > 1) {
    QCoreApplication app(argc, argv);
    return sa::configurator::runCommandLine(QCoreApplication::arguments(), sa::configurator::embeddedAppImage());
  }
  QApplication app(argc, argv);
  sa::configurator::ConfiguratorWindow window(sa::configurator::embeddedAppImage());
  window.show();
  return QApplication::exec();
}
