#include "configurator/app_image.h"

// Defined by the generated app_image_data.cpp (see embed_image.cmake).
extern "C" const char sa_app_image_begin[];
extern "C" const char sa_app_image_end[];

namespace sa::configurator {

QByteArray embeddedAppImage() {
  return QByteArray::fromRawData(sa_app_image_begin, sa_app_image_end - sa_app_image_begin);
}

}  // namespace sa::configurator
