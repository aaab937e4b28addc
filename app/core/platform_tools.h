#pragma once
// The small tools of the help menu, taken from the platform: a text editor, a
// calculator and a sound player for the background music.
#include <QObject>
#include <QString>
#include <QStringList>

#include "app/ui/prompt.h"

class QProcess;

namespace sa::core {

// Starts the platform's text editor or calculator without waiting. Tells the
// user when the workstation has none.
void startNotepad(ui::Prompt& prompt);
void startCalculator(ui::Prompt& prompt);

// The first program of `candidates` found on the search path, "" when none is.
QString findProgram(const QStringList& candidates);

// Background music through the platform's command-line sound player. Qt's own
// widgets and GUI modules play no sound, so without such a player the music
// items do nothing.
class BackgroundMusic : public QObject {
  Q_OBJECT
 public:
  explicit BackgroundMusic(QObject* parent = nullptr);
  ~BackgroundMusic() override;

  // Whether a player was found on this workstation.
  bool available() const { return !player_.isEmpty(); }
  // Plays built-in tune 1 or 2 in a loop. False when nothing could be started.
  bool playTune(int tune);
  // Plays a sound file in a loop (MP3 or any format the player knows).
  bool playFile(const QString& path);
  void stop();
  bool playing() const;

  // The tune written as a WAV file (for tests and players that need a file).
  static QByteArray tuneWave(int tune);

  // Replaces the player found on the search path (tests).
  void setPlayer(const QString& program) { player_ = program; }

 private:
  bool start(const QString& path);
  QStringList argumentsFor(const QString& path) const;

  QString player_;
  QString path_;
  QProcess* process_ = nullptr;
  bool restartOnFinish_ = false;
};

}  // namespace sa::core
