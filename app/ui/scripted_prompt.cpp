#include "app/ui/scripted_prompt.h"

namespace sa::ui {

namespace {
QString shownTitle(const QString& title) { return title.isEmpty() ? defaultTitle() : title; }
}  // namespace

void ScriptedPrompt::message(const QString& text, const QString& title, Icon icon) {
  shown_.push_back({Kind::Message, text, shownTitle(title), icon});
}

bool ScriptedPrompt::askYesNo(const QString& text, const QString& title, Icon icon) {
  shown_.push_back({Kind::YesNo, text, shownTitle(title), icon});
  return nextAnswer();
}

bool ScriptedPrompt::askOkCancel(const QString& text, const QString& title, Icon icon) {
  shown_.push_back({Kind::OkCancel, text, shownTitle(title), icon});
  return nextAnswer();
}

QString ScriptedPrompt::openFile(const QString& title, const QString& filter, const QString&) {
  shown_.push_back({Kind::OpenFile, {}, title, Icon::None});
  lastFilter_ = filter;
  lastSuffix_.clear();
  return nextPath();
}

QString ScriptedPrompt::saveFile(const QString& title, const QString& filter, const QString& defaultSuffix,
                                 const QString&) {
  shown_.push_back({Kind::SaveFile, {}, title, Icon::None});
  lastFilter_ = filter;
  lastSuffix_ = defaultSuffix;
  return nextPath();
}

QString ScriptedPrompt::chooseFolder(const QString& title, const QString&) {
  shown_.push_back({Kind::Folder, {}, title, Icon::None});
  return nextPath();
}

QStringList ScriptedPrompt::messages() const {
  QStringList out;
  for (const Shown& s : shown_)
    if (s.kind == Kind::Message) out << s.text;
  return out;
}

ScriptedPrompt::Shown ScriptedPrompt::last() const {
  return shown_.empty() ? Shown{Kind::Message, {}, {}, Icon::None} : shown_.back();
}

void ScriptedPrompt::clear() {
  shown_.clear();
  answers_.clear();
  paths_.clear();
  unscripted_ = 0;
}

bool ScriptedPrompt::nextAnswer() {
  if (answers_.empty()) {
    ++unscripted_;
    return false;
  }
  bool a = answers_.front();
  answers_.pop_front();
  return a;
}

QString ScriptedPrompt::nextPath() {
  if (paths_.empty()) {
    ++unscripted_;
    return {};
  }
  QString p = paths_.front();
  paths_.pop_front();
  return p;
}

}  // namespace sa::ui
