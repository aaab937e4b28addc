#pragma once
// How many subject slots the pupil and score screens show: config.ini
// Subjects/Number, 10 to 13.
#include <QString>
#include <optional>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

namespace sa::students {

inline constexpr int kMinSubjectCount = 10;
inline constexpr int kMaxSubjectCount = 13;

// The count typed in the window, when it is a whole number from 10 to 13.
std::optional<int> parseSubjectCount(const QString& text);

// Writes the trimmed text to config.ini and makes it the current count.
// Refuses other values with "保存失败，你输入的数不符要求". True when saved.
bool saveSubjectCount(core::AppState& state, ui::Prompt& prompt, const QString& text);

// The window's hint, normal and after a key that is not a digit.
QString subjectCountHint();
QString subjectCountDigitsOnlyHint();

}  // namespace sa::students
