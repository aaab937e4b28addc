#include "app/core/splash_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "app/core/app_state.h"

namespace sa::core {

const QStringList& SplashWindow::progressFrames() {
  static const QStringList frames = {
      QStringLiteral("● ○ ○ ○ ○"), QStringLiteral("○ ● ○ ○ ○"), QStringLiteral("○ ○ ● ○ ○"),
      QStringLiteral("○ ○ ○ ● ○"), QStringLiteral("○ ○ ○ ○ ●")};
  return frames;
}

SplashWindow::SplashWindow(std::function<bool()> startupDone, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), startupDone_(std::move(startupDone)) {
  setObjectName(QStringLiteral("启动窗口"));
  setFixedSize(420, 220);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(22, 86, 150));
  pal.setColor(QPalette::WindowText, Qt::white);
  setPalette(pal);

  auto* title = new QLabel(QStringLiteral("校务管理系统"), this);
  QFont tf = title->font();
  tf.setPixelSize(30);
  tf.setBold(true);
  title->setFont(tf);
  title->setAlignment(Qt::AlignCenter);

  version_ = new QLabel(QStringLiteral("Version %1 Build %2").arg(QLatin1String(kVersion), QLatin1String(kBuild)), this);
  version_->setObjectName(QStringLiteral("版本标签"));
  version_->setAlignment(Qt::AlignCenter);
  hint_ = new QLabel(QStringLiteral("正在连接服务器，请稍侯..."), this);
  hint_->setObjectName(QStringLiteral("提示标签"));
  hint_->setAlignment(Qt::AlignCenter);
  progress_ = new QLabel(progressFrames().first(), this);
  progress_->setObjectName(QStringLiteral("进度标签"));
  progress_->setAlignment(Qt::AlignCenter);
  QFont pf = progress_->font();
  pf.setPixelSize(16);
  progress_->setFont(pf);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 24, 20, 16);
  layout->addWidget(title);
  layout->addStretch();
  layout->addWidget(hint_);
  layout->addWidget(progress_);
  layout->addStretch();
  layout->addWidget(version_);

  if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());

  timer_.setInterval(250);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::tick);
  timer_.start();
}

void SplashWindow::setHint(const QString& text) { hint_->setText(text); }

void SplashWindow::tick() {
  ++ticks_;
  progress_->setText(progressFrames()[ticks_ % progressFrames().size()]);
  if (ticks_ >= 14 && startupDone_()) {
    timer_.stop();
    emit handOver();
  }
}

}  // namespace sa::core
