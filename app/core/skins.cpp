#include "app/core/skins.h"

#include <QDir>
#include <QFileInfo>

#include "common/gbk.h"

namespace sa::core {

QStringList skinNames(const QString& appDir) {
  QStringList names;
  const QDir dir(QDir(appDir).filePath(QStringLiteral("skn")));
  for (const QFileInfo& f :
       dir.entryInfoList({QStringLiteral("*.she")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase))
    names << f.completeBaseName();
  return names;
}

QString skinLibraryPath(const QString& appDir) {
  for (const char* name : {"Skin.dll", "skin.dll"}) {
    const QString path = QDir(appDir).filePath(QString::fromLatin1(name));
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

bool skinsUsable(const QString& appDir) {
  return !skinLibraryPath(appDir).isEmpty() && !skinNames(appDir).isEmpty();
}

bool SkinLibrary::load(const QString& appDir) {
  if (lib_.isLoaded()) return true;
  const QString path = skinLibraryPath(appDir);
  if (path.isEmpty()) return false;
  lib_.setFileName(path);
  return lib_.load();
}

bool SkinLibrary::attach(const QString& appDir, const QString& name) {
  if (!load(appDir)) return false;
  using AttachEx = int (*)(const char*, const char*);
  auto attachEx = reinterpret_cast<AttachEx>(lib_.resolve("SkinH_AttachEx"));
  if (!attachEx) return false;
  const QString file = QDir::toNativeSeparators(QDir(appDir).filePath(QStringLiteral("skn/") + name +
                                                                     QStringLiteral(".she")));
  attachEx(gbk::encode(file).constData(), "");
  attached_ = name;
  return true;
}

void SkinLibrary::detach() {
  attached_.clear();
  if (!lib_.isLoaded()) return;
  using Detach = int (*)();
  if (auto fn = reinterpret_cast<Detach>(lib_.resolve("SkinH_Detach"))) fn();
}

SkinLibrary& processSkin() {
  static SkinLibrary skin;
  return skin;
}

}  // namespace sa::core
