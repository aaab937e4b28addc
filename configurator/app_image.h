#pragma once
// The unconfigured application image the Configurator carries inside itself.
#include <QByteArray>

namespace sa::configurator {

// The bytes of the application executable built with this Configurator. The
// array does not own them; they live in the Configurator's read-only data.
QByteArray embeddedAppImage();

}  // namespace sa::configurator
