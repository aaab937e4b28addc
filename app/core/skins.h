#pragma once
// Skins: files "\skn\<name>.she" in the application folder, drawn by the side
// library "skin.dll". Without skin files or without the library the skin
// choice is inert.
#include <QLibrary>
#include <QString>
#include <QStringList>

namespace sa::core {

// Skin names (file names without ".she") found in "<appDir>/skn", sorted.
QStringList skinNames(const QString& appDir);
// "<appDir>/Skin.dll" (in either letter case).
QString skinLibraryPath(const QString& appDir);
// The skin part of the style dialog works only with both present.
bool skinsUsable(const QString& appDir);

// The skin library of the process. Attach and detach do nothing when it is
// missing or cannot be loaded on this platform.
class SkinLibrary {
 public:
  // Attaches "<appDir>/skn/<name>.she" with an empty password.
  bool attach(const QString& appDir, const QString& name);
  void detach();
  // The skin attached last ("" when none), for tests and the dialog.
  QString attached() const { return attached_; }

 private:
  bool load(const QString& appDir);
  QLibrary lib_;
  QString attached_;
};

// The one skin library of the process.
SkinLibrary& processSkin();

}  // namespace sa::core
