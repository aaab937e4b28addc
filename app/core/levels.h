#pragma once
// Account levels and the permission tests every operation runs before it
// changes anything.
//
// A level is stored as four characters "1"/"0" (the four check boxes of the
// administrator page); "100" and "0" also occur. Tests compare the level read
// as a number, with a text that is not a number reading as 0.
#include <QString>
#include <array>
#include <optional>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

namespace sa::core {

// The refusal every failed test shows unless the operation has its own text.
inline const QString& refusalMessage() {
  static const QString text = QStringLiteral("  抱歉！您没有当前的操作权限！  ");
  return text;
}

inline constexpr double kLevelEpsilon = 1e-7;

// The level text read as a decimal number; anything that is not a number is 0.
double levelNumber(const QString& levelText);

// The four tests.
bool isAnyAdministrator(const QString& levelText);            // text starts with "1"
bool levelAtLeast(const QString& levelText, double n);        // L - n >= -eps
bool levelAtMost(const QString& levelText, double n);         // L - n <= eps
bool levelEquals(const QString& levelText, double n);         // |L - n| <= eps

// Senior administrators are those above 1100 ("1110", "1111").
bool isSeniorAdministrator(const QString& levelText);

struct LevelRequirement {
  enum class Kind { AnyAdministrator, AtLeast, AtMost, EqualTo };
  Kind kind = Kind::AnyAdministrator;
  double n = 0;
  bool passes(const QString& levelText) const;
};

// The level an operation of the main menu or its pop-up menus needs, looked
// up by the operation's caption; nullopt when the operation needs none.
std::optional<LevelRequirement> requirementOf(const QString& operation);

// Runs the level test of the operation for the logged-in user. On failure the
// refusal (or the operation's own message) is shown through `prompt` and false
// comes back; the caller then stops before it changes anything.
bool checkOperationLevel(const LoggedInUser& user, const QString& operation, ui::Prompt& prompt);

// Tests a level for an operation that is not in the table (a dialog's own
// button, say); shows `refusal` (the general one when empty) on failure.
bool checkLevel(const LoggedInUser& user, LevelRequirement requirement, ui::Prompt& prompt,
                const QString& refusal = {});

// The four permission check boxes, lowest first.
using LevelBoxes = std::array<bool, 4>;

// Applies the cascade after any box was clicked, so the ticked boxes always
// form a prefix: a ticked higher box ticks every lower one, an unticked lower
// box unticks every higher one.
LevelBoxes cascadeLevelBoxes(LevelBoxes boxes);
// "1" for a ticked box, "0" otherwise, in box order ("1100").
QString levelTextOf(const LevelBoxes& boxes);
// The boxes a stored level text ticks; anything but '1' is unticked.
LevelBoxes levelBoxesOf(const QString& levelText);

}  // namespace sa::core
