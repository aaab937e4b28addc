#include "app/core/help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace sa::core {

namespace {
const QString kHelpFile = QStringLiteral("Help.chm");
}

QString helpTopicForPage(int page) {
  switch (page) {
    case 0: return QStringLiteral("Help.chm::/index.html");
    case 1: return QStringLiteral("Help.chm::/7banwuguanli.html");
    case 2: return QStringLiteral("Help.chm::/other.html#lszl");
    case 3: return QStringLiteral("Help.chm::/other.html#xsmd");
    case 4: return QStringLiteral("Help.chm::/pingceguanli.html");
    case 5:
    case 6: return QStringLiteral("Help.chm::/7banwuguanli.html#zzz");
    case 8: return QStringLiteral("Help.chm::/pingceguanli.html#cjck");
    case 10: return QStringLiteral("Help.chm::/6jiaowuguanli.html");
    case 11: return QStringLiteral("Help.chm::/6jiaowuguanli.html#ksap");
    case 12: return QStringLiteral("Help.chm::/6jiaowuguanli.html#cjfx");
    case 13: return QStringLiteral("Help.chm::/shujudaoru.html");
    default: return {};
  }
}

void openHelp(const QString& appDir, const QString& topic, ui::Prompt& prompt) {
  const QString file = QDir(appDir).filePath(kHelpFile);
  if (!QFileInfo::exists(file)) {
    prompt.message(QStringLiteral("文件Help.chm不存在，不能使用。"), QStringLiteral("缺少文件"), ui::Icon::Error);
    return;
  }
  // HTML Help takes "<file>::/<page>"; other viewers only open the file.
  const QString hh = QStandardPaths::findExecutable(QStringLiteral("hh"));
  if (!hh.isEmpty()) {
    QString target = QDir::toNativeSeparators(file);
    if (topic.startsWith(kHelpFile)) target += topic.mid(kHelpFile.size());
    if (QProcess::startDetached(hh, {target})) return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
    prompt.message(QStringLiteral("本机没有可以打开帮助文件的程序。"), QStringLiteral("提示"));
}

void openContextHelp(const QString& appDir, int page, ui::Prompt& prompt) {
  const QString topic = helpTopicForPage(page);
  if (topic.isEmpty()) {
    prompt.message(QStringLiteral("暂无帮助"));
    return;
  }
  openHelp(appDir, topic, prompt);
}

}  // namespace sa::core
