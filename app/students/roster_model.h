#pragma once
// The rosters as a Qt table model over one loaded result: the view asks only
// for the rows it shows, so a whole school is on screen at once.
#include <QAbstractTableModel>
#include <QIcon>

#include "app/students/roster_service.h"

namespace sa::students {

// The small boy and girl pictures in front of names.
QIcon pupilIcon(bool boy);

class RosterModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit RosterModel(QVector<RosterColumn> columns, QObject* parent = nullptr);

  // Replaces the rows (a reset: the view drops its selection).
  void setRoster(RosterData data);
  void clear();

  const RosterRow* rowAt(int row) const;
  // The row showing the pupil with this table ID, or -1.
  int rowOfId(const QString& id) const;
  // Takes the row out and recounts; false when there is no such row.
  bool removeId(const QString& id);

  int boys() const { return data_.boys; }
  int girls() const { return data_.girls; }
  int count() const { return data_.count(); }
  const QVector<RosterColumn>& columns() const { return columns_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The PersonalCode of a row, under Qt::UserRole, as every pupil list carries it.
  static constexpr int kCodeRole = Qt::UserRole;
  static constexpr int kIdRole = Qt::UserRole + 1;

 private:
  QVector<RosterColumn> columns_;
  RosterData data_;
  int nameColumn_ = -1;
};

}  // namespace sa::students
