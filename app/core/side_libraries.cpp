#include "app/core/side_libraries.h"

#include <QFileInfo>
#include <QLibrary>
#include <functional>
#include <vector>

#include "common/gbk.h"
#include "common/ini_file.h"

namespace sa::core {

namespace {

const QString kMissingTitle = QStringLiteral("缺少文件");

using Fn4 = void (*)(const char*, const char*, const char*, const char*);
using Fn5 = void (*)(const char*, const char*, const char*, const char*, const char*);
using Fn6 = void (*)(const char*, const char*, const char*, const char*, const char*, const char*);
using Fn0 = void (*)();

// Resolves an exported name, which the libraries spell in GBK.
QFunctionPointer resolve(QLibrary& lib, const QString& function) {
  return lib.resolve(gbk::encode(function).constData());
}

void tellUnusable(ui::Prompt& prompt, const QString& library) {
  prompt.message(QStringLiteral("文件") + library + QStringLiteral("无法加载，不能使用。"), kMissingTitle,
                 ui::Icon::Error);
}

}  // namespace

bool sideLibraryPresent(const AppState& state, const QString& library) {
  return QFileInfo::exists(state.localPath(library));
}

SideCall callSideFunction(const AppState& state, ui::Prompt& prompt, const SideFunction& function,
                          const QStringList& extra, const std::function<void()>& beforeCall) {
  if (!sideLibraryPresent(state, function.library)) {
    prompt.message(QStringLiteral("文件") + function.library + QStringLiteral("不存在，不能使用。"), kMissingTitle,
                   ui::Icon::Error);
    return SideCall::Missing;
  }
  QLibrary lib(state.localPath(function.library));
  QFunctionPointer fn = lib.load() ? resolve(lib, function.function) : nullptr;
  if (!fn || extra.size() > 2) {
    tellUnusable(prompt, function.library);
    return SideCall::Unusable;
  }
  std::vector<QByteArray> args = {gbk::encode(state.serverAddress), gbk::encode(state.mysqlPassword),
                                  gbk::encode(state.mysqlUser), gbk::encode(state.schoolName)};
  for (const QString& e : extra) args.push_back(gbk::encode(e));
  if (beforeCall) beforeCall();
  switch (args.size()) {
    case 4: reinterpret_cast<Fn4>(fn)(args[0].constData(), args[1].constData(), args[2].constData(),
                                      args[3].constData());
      break;
    case 5: reinterpret_cast<Fn5>(fn)(args[0].constData(), args[1].constData(), args[2].constData(),
                                      args[3].constData(), args[4].constData());
      break;
    default: reinterpret_cast<Fn6>(fn)(args[0].constData(), args[1].constData(), args[2].constData(),
                                       args[3].constData(), args[4].constData(), args[5].constData());
      break;
  }
  return SideCall::Called;
}

SideCall callScreenCapture(const AppState& state, ui::Prompt& prompt, const QString& windowTitle,
                           const std::function<void()>& beforeCall) {
  const QString library = QStringLiteral("PicPicking.dll");
  if (!sideLibraryPresent(state, library)) {
    prompt.message(QStringLiteral("支持文件PicPicking.dll不存在。"), kMissingTitle, ui::Icon::Error);
    return SideCall::Missing;
  }
  QLibrary lib(state.localPath(library));
  QFunctionPointer fn = lib.load() ? resolve(lib, QStringLiteral("屏幕截图命令")) : nullptr;
  if (!fn) {
    tellUnusable(prompt, library);
    return SideCall::Unusable;
  }
  IniFile(state.usersDatPath()).write(QStringLiteral("Windows"), QStringLiteral("PicWindow"), windowTitle);
  if (beforeCall) beforeCall();
  reinterpret_cast<Fn0>(fn)();
  return SideCall::Called;
}

}  // namespace sa::core
