#include "app/core/startup_steps.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHostAddress>
#include <QHostInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QStandardPaths>

#include "common/whole_file.h"

namespace sa::core {

namespace {
const QString kMenuFolder = QStringLiteral("校务管理软件");

// The built-in banner shown on the login page: drawn once, stored as PNG.
QByteArray builtInBanner() {
  QImage img(480, 120, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  QLinearGradient g(0, 0, img.width(), img.height());
  g.setColorAt(0, QColor(18, 78, 140));
  g.setColorAt(1, QColor(64, 160, 200));
  p.fillRect(img.rect(), g);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(255, 255, 255, 60));
  for (int i = 0; i < 6; ++i) p.drawEllipse(QPoint(420 - i * 18, 60), 30 + i * 12, 30 + i * 12);
  p.setPen(Qt::white);
  QFont f;
  f.setPixelSize(34);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(24, 18, 440, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("校务管理系统"));
  f.setPixelSize(15);
  f.setBold(false);
  p.setFont(f);
  p.drawText(QRect(26, 70, 440, 30), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("学籍 · 考试 · 分班 · 教员 · 工资"));
  p.end();
  QByteArray out;
  QBuffer buf(&out);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return out;
}

QString desktopEntry(const QString& title, const QString& target, const QString& workDir) {
  return QStringLiteral(
             "[Desktop Entry]\nType=Application\nName=%1\nComment=%1\nExec=\"%2\"\nPath=%3\nTerminal=false\n")
      .arg(title, target, workDir);
}

void writeShortcut(const QString& path, const QString& entry) {
  // Desktops start only entries marked executable.
  if (writeWholeFile(path, entry.toUtf8())) QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}
}  // namespace

void takeSettings(AppState& state, const settings::Settings& s) {
  state.serverAddress = s.server;
  state.schoolName = s.school;
  state.updateUrl = s.updateUrl;
  state.mysqlUser = s.user;
  state.mysqlPassword = s.password;
}

QString resolveToIPv4(const QString& host) {
  QHostAddress direct;
  if (direct.setAddress(host) && direct.protocol() == QAbstractSocket::IPv4Protocol) return direct.toString();
  const QHostInfo info = QHostInfo::fromName(host);
  for (const QHostAddress& a : info.addresses())
    if (a.protocol() == QAbstractSocket::IPv4Protocol) return a.toString();
  return host;
}

void createFolders(const QString& appDir) {
  QDir(appDir).mkpath(QStringLiteral("skn"));
  const QString menus = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
  if (!menus.isEmpty()) QDir(menus).mkpath(kMenuFolder);
}

bool writeBannerOnce(const QString& appDir) {
  const QString path = appDir + QStringLiteral("/Banner.dat");
  if (QFileInfo::exists(path)) return true;
  return writeWholeFile(path, builtInBanner());
}

void createShortcuts(const QString& title, const QString& appDir, const QString& exeName) {
  const QString target = appDir + QLatin1Char('/') + exeName;
  const QString entry = desktopEntry(title, target, QDir::currentPath());
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (!desktop.isEmpty() && QDir(desktop).exists()) writeShortcut(desktop + QLatin1Char('/') + title + ".desktop", entry);
  const QString menus = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
  if (!menus.isEmpty() && QDir(menus).mkpath(kMenuFolder))
    writeShortcut(menus + QLatin1Char('/') + kMenuFolder + QLatin1Char('/') + title + ".desktop", entry);
}

bool connectToServer(AppState& state) {
  db::ConnectionParams p;
  p.host = state.serverAddress;
  p.user = state.mysqlUser;
  p.password = state.mysqlPassword;
  p.database = QStringLiteral("didododederaz");
  p.port = state.serverPort;
  return state.db.open(p);
}

}  // namespace sa::core
