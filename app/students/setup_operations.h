#pragma once
// Plugs the school setup into the main window: "校务设置", "班级情况表" (page
// 10), "设置科目数量" and "查看课程表" (also the toolbar's "编辑课程表").
#include <QString>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

namespace sa::core {
class MainWindow;
}

namespace sa::students {

class ClassTeacherPage;

// The page numbers of the main window this code knows about.
inline constexpr int kPupilDetailPage = 1;
inline constexpr int kScorePage = 4;
inline constexpr int kClassTeacherPage = 10;

void registerSetupOperations(core::MainWindow& window, core::AppState& state, ui::Prompt& prompt);

// The class-and-teaching page placed on page 10 by registerSetupOperations,
// for owners of the roster and staff pages to plug in their openers.
ClassTeacherPage* classTeacherPage(core::MainWindow& window);

}  // namespace sa::students
