#include "app/core/interface_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "app/core/skins.h"
#include "common/ini_file.h"

namespace sa::core {

namespace {

int g_currentStyle = 0;

QPalette darkPalette() {
  QPalette p;
  const QColor window(53, 57, 64), base(35, 38, 43), text(230, 232, 235), highlight(42, 130, 218);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::red);
  p.setColor(QPalette::Highlight, highlight);
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, highlight.lighter(130));
  p.setColor(QPalette::Disabled, QPalette::Text, text.darker(170));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, text.darker(170));
  p.setColor(QPalette::Disabled, QPalette::WindowText, text.darker(170));
  return p;
}

QPalette freshPalette() {
  QPalette p;
  const QColor window(226, 240, 233), base(250, 253, 251), text(28, 48, 40), highlight(46, 139, 87);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, QColor(210, 231, 220));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::Highlight, highlight);
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 155, 148));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 155, 148));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 155, 148));
  return p;
}

// The style the platform gave the application, kept for style 0.
QString platformStyleName() {
  static const QString name = qApp && qApp->style() ? qApp->style()->name() : QStringLiteral("fusion");
  return name;
}

}  // namespace

QStringList interfaceStyleCaptions() {
  return {QStringLiteral("默认界面"), QStringLiteral("经典界面"), QStringLiteral("深色界面"),
          QStringLiteral("清新界面")};
}

void applyInterfaceStyle(int style) {
  if (style < 0 || style > 3) style = 0;
  if (!qApp) return;
  const QString base = platformStyleName();
  QString styleName;
  switch (style) {
    case 1: styleName = QStringLiteral("windows"); break;
    case 2:
    case 3: styleName = QStringLiteral("fusion"); break;
    default: styleName = base; break;
  }
  QStyle* qstyle = QStyleFactory::create(styleName);
  if (!qstyle) qstyle = QStyleFactory::create(QStringLiteral("fusion"));
  if (qstyle) QApplication::setStyle(qstyle);
  switch (style) {
    case 2: QApplication::setPalette(darkPalette()); break;
    case 3: QApplication::setPalette(freshPalette()); break;
    default: QApplication::setPalette(QApplication::style()->standardPalette()); break;
  }
  g_currentStyle = style;
}

int currentInterfaceStyle() { return g_currentStyle; }

void applySavedSkin(AppState& state) {
  const QString skin = IniFile(state.configIniPath()).read(QStringLiteral("Interface"), QStringLiteral("Skin"));
  if (!skin.isEmpty()) processSkin().attach(state.appDir, skin);
}

void applySavedAppearance(AppState& state) {
  const IniFile ini(state.configIniPath());
  const QString skin = ini.read(QStringLiteral("Interface"), QStringLiteral("Skin"));
  if (skin.isEmpty()) {
    processSkin().detach();
    bool ok = false;
    const int style = ini.read(QStringLiteral("Interface"), QStringLiteral("Style"), QStringLiteral("0")).toInt(&ok);
    state.interfaceStyle = ok && style >= 0 && style <= 3 ? style : 0;
    applyInterfaceStyle(state.interfaceStyle);
  } else {
    processSkin().attach(state.appDir, skin);
  }
}

}  // namespace sa::core
