#pragma once
// A Prompt for tests: records every box shown and answers questions and file
// choosers from a script given in advance.
#include <QStringList>
#include <deque>
#include <vector>

#include "app/ui/prompt.h"

namespace sa::ui {

class ScriptedPrompt : public Prompt {
 public:
  enum class Kind { Message, YesNo, OkCancel, OpenFile, SaveFile, Folder };
  struct Shown {
    Kind kind;
    QString text;
    QString title;  // as the box shows it: the default title filled in
    Icon icon;
  };

  // Script the next answers, consumed in order.
  ScriptedPrompt& answer(bool yesOrOk) { answers_.push_back(yesOrOk); return *this; }
  ScriptedPrompt& choose(const QString& path) { paths_.push_back(path); return *this; }

  void message(const QString& text, const QString& title = {}, Icon icon = Icon::None) override;
  bool askYesNo(const QString& text, const QString& title, Icon icon = Icon::None) override;
  bool askOkCancel(const QString& text, const QString& title, Icon icon = Icon::None) override;
  QString openFile(const QString& title, const QString& filter, const QString& dir = {}) override;
  QString saveFile(const QString& title, const QString& filter, const QString& defaultSuffix,
                   const QString& dir = {}) override;
  QString chooseFolder(const QString& title, const QString& dir = {}) override;

  const std::vector<Shown>& shown() const { return shown_; }
  // Only the texts of plain message boxes, in order.
  QStringList messages() const;
  // The last box of any kind; an empty Shown when nothing was shown.
  Shown last() const;
  // Questions or choosers asked with nothing left in the script (answered No / cancelled).
  int unscripted() const { return unscripted_; }
  bool scriptUsedUp() const { return answers_.empty() && paths_.empty(); }
  void clear();

  // The filter and suffix the last file chooser was opened with.
  QString lastFilter() const { return lastFilter_; }
  QString lastSuffix() const { return lastSuffix_; }

 private:
  bool nextAnswer();
  QString nextPath();

  std::vector<Shown> shown_;
  std::deque<bool> answers_;
  std::deque<QString> paths_;
  int unscripted_ = 0;
  QString lastFilter_;
  QString lastSuffix_;
};

}  // namespace sa::ui
