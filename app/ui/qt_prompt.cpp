#include "app/ui/qt_prompt.h"

#include <QFileDialog>
#include <QMessageBox>

namespace sa::ui {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

int runBox(QWidget* parent, const QString& text, const QString& title, Icon icon,
           QMessageBox::StandardButtons buttons) {
  QMessageBox box(qtIcon(icon), title.isEmpty() ? defaultTitle() : title, text, buttons, parent);
  return box.exec();
}

}  // namespace

void QtPrompt::message(const QString& text, const QString& title, Icon icon) {
  runBox(parent_, text, title, icon, QMessageBox::Ok);
}

bool QtPrompt::askYesNo(const QString& text, const QString& title, Icon icon) {
  return runBox(parent_, text, title, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompt::askOkCancel(const QString& text, const QString& title, Icon icon) {
  return runBox(parent_, text, title, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QString QtPrompt::qtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return out.join(QStringLiteral(";;"));
}

QString QtPrompt::openFile(const QString& title, const QString& filter, const QString& dir) {
  return QFileDialog::getOpenFileName(parent_, title, dir, qtFilter(filter));
}

QString QtPrompt::saveFile(const QString& title, const QString& filter, const QString& defaultSuffix,
                           const QString& dir) {
  QFileDialog dialog(parent_, title, dir, qtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtPrompt::chooseFolder(const QString& title, const QString& dir) {
  return QFileDialog::getExistingDirectory(parent_, title, dir);
}

}  // namespace sa::ui
