#include "app/core/platform_tools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <cmath>

namespace sa::core {

namespace {

void startTool(const QStringList& candidates, const QString& missing, ui::Prompt& prompt) {
  const QString program = findProgram(candidates);
  if (program.isEmpty() || !QProcess::startDetached(program, {}))
    prompt.message(missing, QStringLiteral("提示"));
}

// Players that loop by themselves, with the arguments that make them do so
// quietly and without a window.
struct Player {
  const char* name;
  QStringList loopArgs;
};

const QList<Player>& players() {
  static const QList<Player> list = {
      {"mpv", {QStringLiteral("--no-video"), QStringLiteral("--loop-file=inf"), QStringLiteral("--really-quiet")}},
      {"ffplay", {QStringLiteral("-nodisp"), QStringLiteral("-loglevel"), QStringLiteral("quiet"),
                  QStringLiteral("-loop"), QStringLiteral("0")}},
      {"cvlc", {QStringLiteral("--quiet"), QStringLiteral("--loop")}},
      {"mplayer", {QStringLiteral("-really-quiet"), QStringLiteral("-loop"), QStringLiteral("0")}},
      // These play once; the music restarts them.
      {"paplay", {}},
      {"aplay", {QStringLiteral("-q")}},
  };
  return list;
}

void appendLe16(QByteArray& out, quint16 v) {
  out.append(char(v & 0xff));
  out.append(char(v >> 8));
}
void appendLe32(QByteArray& out, quint32 v) {
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
}

}  // namespace

QString findProgram(const QStringList& candidates) {
  for (const QString& name : candidates) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return {};
}

void startNotepad(ui::Prompt& prompt) {
  startTool({QStringLiteral("notepad"), QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"),
             QStringLiteral("mousepad"), QStringLiteral("kate"), QStringLiteral("kwrite"), QStringLiteral("xed"),
             QStringLiteral("pluma"), QStringLiteral("featherpad"), QStringLiteral("leafpad")},
            QStringLiteral("本机没有找到记事本程序。"), prompt);
}

void startCalculator(ui::Prompt& prompt) {
  startTool({QStringLiteral("calc"), QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
             QStringLiteral("galculator"), QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"),
             QStringLiteral("xcalc")},
            QStringLiteral("本机没有找到计算器程序。"), prompt);
}

BackgroundMusic::BackgroundMusic(QObject* parent) : QObject(parent) {
  for (const Player& p : players()) {
    player_ = QStandardPaths::findExecutable(QString::fromUtf8(p.name));
    if (!player_.isEmpty()) break;
  }
}

BackgroundMusic::~BackgroundMusic() { stop(); }

QByteArray BackgroundMusic::tuneWave(int tune) {
  // Two short school-bell melodies, as notes of a pentatonic scale.
  static const double scale[] = {261.63, 293.66, 329.63, 392.00, 440.00, 523.25, 587.33, 659.25};
  static const int tuneOne[] = {0, 2, 4, 5, 4, 2, 3, 4, 2, 1, 0, 1, 2, 4, 3, 2};
  static const int tuneTwo[] = {4, 5, 7, 5, 4, 3, 2, 3, 4, 2, 0, 2, 3, 4, 5, 4};
  const int* notes = tune == 2 ? tuneTwo : tuneOne;
  constexpr int kRate = 22050;
  constexpr int kNoteSamples = kRate / 3;
  QByteArray pcm;
  pcm.reserve(16 * kNoteSamples * 2);
  for (int n = 0; n < 16; ++n) {
    const double f = scale[notes[n]];
    for (int i = 0; i < kNoteSamples; ++i) {
      const double t = double(i) / kRate;
      const double envelope = std::exp(-3.0 * t) * (i < 200 ? i / 200.0 : 1.0);
      const double v = envelope * (0.6 * std::sin(2 * M_PI * f * t) + 0.2 * std::sin(4 * M_PI * f * t));
      appendLe16(pcm, quint16(qint16(v * 12000)));
    }
  }
  QByteArray wav("RIFF");
  appendLe32(wav, quint32(36 + pcm.size()));
  wav.append("WAVEfmt ");
  appendLe32(wav, 16);
  appendLe16(wav, 1);  // PCM
  appendLe16(wav, 1);  // mono
  appendLe32(wav, kRate);
  appendLe32(wav, kRate * 2);
  appendLe16(wav, 2);
  appendLe16(wav, 16);
  wav.append("data");
  appendLe32(wav, quint32(pcm.size()));
  wav.append(pcm);
  return wav;
}

bool BackgroundMusic::playTune(int tune) {
  if (!available()) return false;
  const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                           .filePath(QStringLiteral("sa-tune%1.wav").arg(tune == 2 ? 2 : 1));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(tuneWave(tune)) < 0) return false;
  f.close();
  return start(path);
}

bool BackgroundMusic::playFile(const QString& path) {
  if (!available() || !QFileInfo::exists(path)) return false;
  return start(path);
}

QStringList BackgroundMusic::argumentsFor(const QString& path) const {
  const QString base = QFileInfo(player_).baseName();
  for (const Player& p : players())
    if (base == QString::fromUtf8(p.name)) return p.loopArgs + QStringList{path};
  return {path};
}

bool BackgroundMusic::start(const QString& path) {
  stop();
  const QString base = QFileInfo(player_).baseName();
  restartOnFinish_ = base == QStringLiteral("paplay") || base == QStringLiteral("aplay");
  path_ = path;
  process_ = new QProcess(this);
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_->setStandardOutputFile(QProcess::nullDevice());
  connect(process_, &QProcess::finished, this, [this](int code) {
    // Players that play once are started again; one that failed is not.
    if (restartOnFinish_ && code == 0 && process_) process_->start(player_, argumentsFor(path_));
  });
  process_->start(player_, argumentsFor(path));
  if (!process_->waitForStarted(3000)) {
    stop();
    return false;
  }
  return true;
}

void BackgroundMusic::stop() {
  if (!process_) return;
  QProcess* p = process_;
  process_ = nullptr;
  p->disconnect(this);
  p->kill();
  p->waitForFinished(1000);
  p->deleteLater();
}

bool BackgroundMusic::playing() const { return process_ && process_->state() != QProcess::NotRunning; }

}  // namespace sa::core
