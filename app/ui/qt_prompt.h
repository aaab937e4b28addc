#pragma once
// The Prompt of the running application: real message boxes and file dialogs.
#include <QPointer>
#include <QWidget>

#include "app/ui/prompt.h"

namespace sa::ui {

class QtPrompt : public Prompt {
 public:
  explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void message(const QString& text, const QString& title = {}, Icon icon = Icon::None) override;
  bool askYesNo(const QString& text, const QString& title, Icon icon = Icon::None) override;
  bool askOkCancel(const QString& text, const QString& title, Icon icon = Icon::None) override;
  QString openFile(const QString& title, const QString& filter, const QString& dir = {}) override;
  QString saveFile(const QString& title, const QString& filter, const QString& defaultSuffix,
                   const QString& dir = {}) override;
  QString chooseFolder(const QString& title, const QString& dir = {}) override;

  // "描述|*.a;*.b|描述2|*.c" as Qt writes it: "描述 (*.a *.b);;描述2 (*.c)".
  static QString qtFilter(const QString& filter);

 private:
  QPointer<QWidget> parent_;
};

}  // namespace sa::ui
