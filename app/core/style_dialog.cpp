#include "app/core/style_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/core/interface_style.h"
#include "app/core/skins.h"
#include "common/ini_file.h"

namespace sa::core {

namespace {
const QString kDefaultSkin = QStringLiteral("默认风格");
}

StyleDialog::StyleDialog(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("界面风格窗口"));
  setWindowTitle(QStringLiteral("设置界面风格"));
  setModal(true);
  const IniFile ini(state_.configIniPath());

  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("界面皮肤："), this));
  skins_ = new QComboBox(this);
  skins_->setObjectName(QStringLiteral("皮肤组合框"));
  skins_->addItem(kDefaultSkin);
  skins_->addItems(skinNames(state_.appDir));
  const QString saved = ini.read(QStringLiteral("Interface"), QStringLiteral("Skin"));
  const int index = saved.isEmpty() ? 0 : skins_->findText(saved);
  skins_->setCurrentIndex(index < 0 ? 0 : index);
  skins_->setMinimumWidth(180);
  row->addWidget(skins_, 1);
  layout->addLayout(row);

  // The built-in styles are offered only when there is no skin entry at all,
  // which the list's first entry rules out; they keep the saved choice.
  bool ok = false;
  int style = ini.read(QStringLiteral("Interface"), QStringLiteral("Style"), QStringLiteral("0")).toInt(&ok);
  if (!ok || style < 0 || style > 3) style = 0;
  const QStringList captions = interfaceStyleCaptions();
  for (int i = 0; i < 4; ++i) {
    styles_[i] = new QRadioButton(captions[i], this);
    styles_[i]->setObjectName(QStringLiteral("风格单选框%1").arg(i + 1));
    styles_[i]->setChecked(i == style);
    styles_[i]->setVisible(skins_->count() == 0);
    layout->addWidget(styles_[i]);
  }

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* ok_ = new QPushButton(QStringLiteral("确 定"), this);
  ok_->setObjectName(QStringLiteral("确定按钮"));
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取 消"), this);
  cancel->setObjectName(QStringLiteral("取消按钮"));
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(skins_, &QComboBox::textActivated, this, &StyleDialog::preview);
  connect(ok_, &QPushButton::clicked, this, &StyleDialog::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void StyleDialog::preview(const QString& entry) {
  if (entry == kDefaultSkin)
    processSkin().detach();
  else
    processSkin().attach(state_.appDir, entry);
}

int StyleDialog::selectedStyle() const {
  for (int i = 0; i < 4; ++i)
    if (styles_[i]->isChecked()) return i;
  return 0;
}

void StyleDialog::confirm() {
  IniFile ini(state_.configIniPath());
  if (skinsUsable(state_.appDir)) {
    const QString entry = skins_->currentText();
    if (entry == kDefaultSkin) {
      processSkin().detach();
      ini.write(QStringLiteral("Interface"), QStringLiteral("Skin"), QString());
    } else {
      ini.write(QStringLiteral("Interface"), QStringLiteral("Skin"), entry);
      processSkin().attach(state_.appDir, entry);
    }
  }
  const int style = selectedStyle();
  ini.write(QStringLiteral("Interface"), QStringLiteral("Style"), QString::number(style));
  state_.interfaceStyle = style;
  applyInterfaceStyle(style);
  accept();
}

void StyleDialog::done(int result) {
  applySavedAppearance(state_);
  QDialog::done(result);
}

}  // namespace sa::core
