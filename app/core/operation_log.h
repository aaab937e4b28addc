#pragma once
// The operation log: administrative operations record what they did in
// `operatinglist`, while the school-wide switch in `record` is on. Super
// administrators are never logged.
#include <QString>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

namespace sa::core {

// The caption the switch's menu item shows for a switch state.
QString logSwitchCaption(bool on);

// Reads the switch (`record` row 1) into state.operationLogOn; off when the row
// is missing or the statement fails. Called at every login.
bool readLogSwitch(AppState& state);

// Writes one row for the logged-in user when the switch is on and the level is
// below 1111. A failure is not reported; false tells a caller that nothing was
// written, for whatever reason.
bool writeOperationLog(AppState& state, const QString& text);

// The menu item "记录开关": stores the opposite state, logs the change (while
// the switch is on: before turning off, after turning on) and returns the new
// state. A failed update shows "操作失败" and changes nothing.
bool toggleLogSwitch(AppState& state, ui::Prompt& prompt);

}  // namespace sa::core
