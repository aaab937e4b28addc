#pragma once
// The Configurator's one window: agreement, school name and configuration on
// the three tabs of `选择夹1`. The handlers only read the entries, call the
// ConfigureService and show its answer.
#include <QByteArray>
#include <QWidget>
#include <memory>

#include "configurator/configure_service.h"

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace sa::ui {
class Prompt;
}

namespace sa::configurator {

class ConfiguratorWindow : public QWidget {
  Q_OBJECT
 public:
  // `appImage` is the unconfigured application image. Without a prompt the
  // window shows real message boxes and file dialogs.
  explicit ConfiguratorWindow(QByteArray appImage, ui::Prompt* prompt = nullptr, QWidget* parent = nullptr);
  ~ConfiguratorWindow() override;

  const ConfigureService& service() const { return *service_; }

 private:
  QWidget* buildConfigurationPage();
  QWidget* buildAgreementPage();
  QWidget* buildSchoolPage();
  void opened();
  void agree();
  void acceptSchoolName();
  void configure();
  void applyReply(const Reply& reply);
  QLineEdit* entry(Field field) const;

  std::unique_ptr<ui::Prompt> ownPrompt_;
  std::unique_ptr<ConfigureService> service_;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* server_ = nullptr;
  QLineEdit* user_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* updateUrl_ = nullptr;
  QLineEdit* school_ = nullptr;
  QPlainTextEdit* agreement_ = nullptr;
};

}  // namespace sa::configurator
