#pragma once
// One running copy per installation: a second start asks the first copy to
// come to the front and then ends.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace sa::core {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` names the installation (the instance identifier); different
  // installations on one machine do not see each other.
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this is the first copy: it then listens for later starts.
  // False when another copy runs: that copy has been asked to show itself.
  bool claim();

  // The identifier used for the lock file and the local socket.
  static QString identifier(const QString& appDir);

 signals:
  // A later start asked this copy to come to the front.
  void activationRequested();

 private:
  QString key_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace sa::core
