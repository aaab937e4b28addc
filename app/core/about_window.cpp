#include "app/core/about_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/database_version.h"
#include "app/core/pictures.h"

namespace sa::core {

AboutWindow::AboutWindow(AppState& state, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("关于窗口"));
  setWindowTitle(QStringLiteral("关于"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setPixmap(pictures::schoolEmblem(64));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);

  auto* name = new QLabel(state.schoolName + QStringLiteral("校务管理系统"), this);
  name->setObjectName(QStringLiteral("软件名称标签"));
  QFont f = name->font();
  f.setPointSizeF(f.pointSizeF() * 1.4);
  f.setBold(true);
  name->setFont(f);
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);

  auto addLine = [&](const char* objectName, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(objectName));
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
  };
  addLine("版本标签", QStringLiteral("版本：") + QString::fromLatin1(kVersion));
  addLine("编译标签", QStringLiteral("编译：") + QString::fromLatin1(kBuild));
  const QString dbVersion = readDatabaseVersion(state.db);
  addLine("数据库版本标签", QStringLiteral("数据库版本：") + (dbVersion.isEmpty() ? QStringLiteral("未知") : dbVersion));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("确 定"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("确定按钮"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace sa::core
