#pragma once
// Side libraries next to the executable serve a few menu items. They are not
// part of this system: each item checks that its file exists, tells the user
// when it does not, and otherwise calls one function of it with zero-
// terminated GBK texts.
#include <QString>
#include <QStringList>
#include <functional>

#include "app/core/app_state.h"
#include "app/core/menu_tree.h"
#include "app/ui/prompt.h"

namespace sa::core {

enum class SideCall { Called, Missing, Unusable };

// Calls the side function with server address, MySQL password, MySQL user,
// school name and then `extra`. A missing file shows
// "文件<library>不存在，不能使用。" (error, "缺少文件").
// `beforeCall` runs just before the call (the window minimises itself for
// "招生程序").
SideCall callSideFunction(const AppState& state, ui::Prompt& prompt, const SideFunction& function,
                          const QStringList& extra, const std::function<void()>& beforeCall = {});

// Whether "<appDir>/<library>" exists.
bool sideLibraryPresent(const AppState& state, const QString& library);

// "屏幕截图": checks "PicPicking.dll", writes the window title to Users.dat
// ([Windows] PicWindow), runs `beforeCall` (the window minimises itself) and
// calls the library's capture function.
SideCall callScreenCapture(const AppState& state, ui::Prompt& prompt, const QString& windowTitle,
                           const std::function<void()>& beforeCall);

}  // namespace sa::core
