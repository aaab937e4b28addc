#pragma once
// The splash window shown while the application starts. Its timer advances the
// progress dots and, from the 14th tick on, hands over to the login as soon as
// start-up has finished.
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace sa::core {

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  // `startupDone` tells whether start-up has passed the step that titles the
  // main window.
  explicit SplashWindow(std::function<bool()> startupDone, QWidget* parent = nullptr);

  void setHint(const QString& text);
  int ticks() const { return ticks_; }
  // One timer tick (public so tests can drive it without waiting).
  void tick();

  static const QStringList& progressFrames();

 signals:
  void handOver();

 private:
  std::function<bool()> startupDone_;
  QTimer timer_;
  int ticks_ = 0;
  QLabel* version_;
  QLabel* hint_;
  QLabel* progress_;
};

}  // namespace sa::core
