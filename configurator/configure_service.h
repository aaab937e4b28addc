#pragma once
// What the Configurator does, without its window: the wizard stage, the checks
// in their order with their messages, the save dialog, the confirmation and the
// two files written. The window and the command line both drive this.
#include <QByteArray>
#include <QString>
#include <optional>

#include "app/ui/prompt.h"

namespace sa::configurator {

// The tabs of the window, by index.
enum class Page { Configuration = 0, Agreement = 1, School = 2 };

// The entry a failed check puts the keyboard focus into.
enum class Field { None, SchoolName, Server, User, Password, UpdateUrl };

struct Entries {
  QString server;
  QString user;
  QString password;
  QString updateUrl;
};

enum class Outcome {
  WrongStage,   // an earlier page is not done yet: the window shows `page`
  Refused,      // a check failed; its message was shown
  Accepted,     // the school name was taken: the window shows `page`
  Cancelled,    // the save dialog was cancelled: nothing shown, nothing written
  Declined,     // No at the confirmation: nothing written
  Written,      // the executable and "update.txt" were written
  WriteFailed,  // the executable could not be written ("  配置失败")
};

struct Reply {
  Outcome outcome = Outcome::Refused;
  std::optional<Page> page;  // the tab to show, if any
  Field focus = Field::None;
};

class ConfigureService {
 public:
  // `appImage` is the unconfigured application image; every run starts from it.
  ConfigureService(ui::Prompt& prompt, QByteArray appImage);

  // The command line skips the confirmation question.
  void setAskConfirmation(bool ask) { askConfirmation_ = ask; }

  int stage() const { return stage_; }
  // The accepted school name, spaces removed.
  const QString& schoolName() const { return schoolName_; }

  void start();  // window opened: stage 1
  void agree();  // "同意协议": stage 2
  Reply acceptSchoolName(const QString& text);  // "下一步"
  Reply configure(const Entries& entries);      // "生成校务管理软件"
  void showExample();                           // "配置示范"
  void showListHelp();                          // "列表文件地址格式"

 private:
  Reply refuse(const QString& text, Field field, ui::Icon icon = ui::Icon::Information);

  ui::Prompt& prompt_;
  QByteArray image_;
  bool askConfirmation_ = true;
  int stage_ = 0;
  QString schoolName_;
};

// Texts the window shows besides the messages of the flow.
QString agreementText();
QString exampleText();
QString listHelpText();
QString updateListHint();  // the hint under the update list address
// The question asked before writing.
QString confirmationText(const Entries& entries);
// "update.txt" as it is written: GBK, four lines joined by "\r\n".
QByteArray updateListTemplate();

inline const QString& agreementTitle() {
  static const QString t = QStringLiteral("Quorlan校务管理软件配置器   使用协议");
  return t;
}
inline const QString& softwareInfoTitle() {
  static const QString t = QStringLiteral("Quorlan校务管理软件配置器   软件信息");
  return t;
}

}  // namespace sa::configurator
