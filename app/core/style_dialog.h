#pragma once
// "设置界面风格": a skin from "\skn\*.she" and the built-in interface style,
// saved in config.ini. Choosing a skin previews it at once; closing the dialog
// by any way applies what is saved.
#include <QDialog>

#include "app/core/app_state.h"

class QComboBox;
class QRadioButton;

namespace sa::core {

class StyleDialog : public QDialog {
  Q_OBJECT
 public:
  StyleDialog(AppState& state, QWidget* parent = nullptr);

  // "确 定": saves the skin (only when skins are usable) and the style.
  void confirm();

 protected:
  void done(int result) override;

 private:
  void preview(const QString& entry);
  int selectedStyle() const;

  AppState& state_;
  QComboBox* skins_;
  QRadioButton* styles_[4];
};

}  // namespace sa::core
