#include "app/students/roster_model.h"

#include <QPainter>
#include <QPixmap>

namespace sa::students {

namespace {

QIcon drawPupilIcon(bool boy) {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(boy ? QColor(0x2f, 0x6f, 0xc0) : QColor(0xd9, 0x4f, 0x86));
  p.drawEllipse(QRectF(10, 2, 12, 12));
  if (boy) {
    p.drawRoundedRect(QRectF(7, 16, 18, 14), 4, 4);
  } else {
    QPolygonF skirt;
    skirt << QPointF(16, 15) << QPointF(28, 30) << QPointF(4, 30);
    p.drawPolygon(skirt);
  }
  return QIcon(pm);
}

}  // namespace

QIcon pupilIcon(bool boy) {
  static const QIcon boyIcon = drawPupilIcon(true);
  static const QIcon girlIcon = drawPupilIcon(false);
  return boy ? boyIcon : girlIcon;
}

RosterModel::RosterModel(QVector<RosterColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {
  for (int i = 0; i < columns_.size(); ++i)
    if (columns_[i].source.compare(QStringLiteral("name"), Qt::CaseInsensitive) == 0) nameColumn_ = i;
}

void RosterModel::setRoster(RosterData data) {
  beginResetModel();
  data_ = std::move(data);
  endResetModel();
}

void RosterModel::clear() { setRoster(RosterData{true, {}, 0, 0}); }

const RosterRow* RosterModel::rowAt(int row) const {
  return row >= 0 && row < data_.count() ? &data_.rows[size_t(row)] : nullptr;
}

int RosterModel::rowOfId(const QString& id) const {
  for (int i = 0; i < data_.count(); ++i)
    if (data_.rows[size_t(i)].id == id) return i;
  return -1;
}

bool RosterModel::removeId(const QString& id) {
  const int row = rowOfId(id);
  if (row < 0) return false;
  beginRemoveRows({}, row, row);
  (isBoy(data_.rows[size_t(row)].sex) ? data_.boys : data_.girls) -= 1;
  data_.rows.erase(data_.rows.begin() + row);
  endRemoveRows();
  return true;
}

int RosterModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : data_.count(); }

int RosterModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_.size(); }

QVariant RosterModel::data(const QModelIndex& index, int role) const {
  const RosterRow* row = rowAt(index.row());
  if (!row || index.column() < 0 || index.column() >= columns_.size()) return {};
  switch (role) {
    case Qt::DisplayRole:
      // A column without a source numbers the rows.
      if (columns_[index.column()].source.isEmpty()) return index.row() + 1;
      return row->cells.value(index.column());
    case Qt::DecorationRole:
      if (index.column() == nameColumn_) return pupilIcon(isBoy(row->sex));
      return {};
    case kCodeRole: return row->code;
    case kIdRole: return row->id;
    default: return {};
  }
}

QVariant RosterModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return section >= 0 && section < columns_.size() ? columns_[section].heading : QString();
  return section + 1;
}

}  // namespace sa::students
