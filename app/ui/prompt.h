#pragma once
// Every message box, question and file chooser of the application goes through
// Prompt, so services can be driven by tests with a ScriptedPrompt.
#include <QString>

namespace sa::ui {

enum class Icon { None, Information, Exclamation, Error, Question };

class Prompt {
 public:
  virtual ~Prompt() = default;

  // A box with only OK. An empty title shows the default title "信息：".
  virtual void message(const QString& text, const QString& title = {}, Icon icon = Icon::None) = 0;
  // Yes/No question; true means Yes.
  virtual bool askYesNo(const QString& text, const QString& title, Icon icon = Icon::None) = 0;
  // OK/Cancel question; true means OK.
  virtual bool askOkCancel(const QString& text, const QString& title, Icon icon = Icon::None) = 0;

  // File choosers. `filter` is written as pairs "描述|*.ext|描述|*.a;*.b".
  // An empty result means the user cancelled.
  virtual QString openFile(const QString& title, const QString& filter, const QString& dir = {}) = 0;
  virtual QString saveFile(const QString& title, const QString& filter, const QString& defaultSuffix,
                           const QString& dir = {}) = 0;
  virtual QString chooseFolder(const QString& title, const QString& dir = {}) = 0;
};

// The title a box gets when its caller gives none.
inline const QString& defaultTitle() {
  static const QString title = QStringLiteral("信息：");
  return title;
}

}  // namespace sa::ui
