#include "app/db/result.h"

#include <mysql.h>

#include <utility>

#include "common/gbk.h"

namespace sa::db {

Result::Result(st_mysql_res* res) : res_(res), ok_(true) {
  if (!res_) return;
  const unsigned n = mysql_num_fields(res_);
  MYSQL_FIELD* fields = mysql_fetch_fields(res_);
  for (unsigned i = 0; i < n; ++i) columns_ << gbk::decode(QByteArray(fields[i].name, int(fields[i].name_length)));
}

Result Result::emptyOk() {
  Result r;
  r.ok_ = true;
  return r;
}

Result::Result(Result&& other) noexcept { *this = std::move(other); }

Result& Result::operator=(Result&& other) noexcept {
  if (this != &other) {
    release();
    res_ = std::exchange(other.res_, nullptr);
    ok_ = std::exchange(other.ok_, false);
    row_ = std::exchange(other.row_, 0);
    started_ = std::exchange(other.started_, false);
    columns_ = std::move(other.columns_);
    fetchedRow_ = std::exchange(other.fetchedRow_, -2);
    rowData_ = std::exchange(other.rowData_, nullptr);
    lengths_ = std::exchange(other.lengths_, nullptr);
    cursorRow_ = std::exchange(other.cursorRow_, 0);
  }
  return *this;
}

Result::~Result() { release(); }

void Result::release() {
  if (res_) mysql_free_result(res_);
  res_ = nullptr;
  rowData_ = nullptr;
  lengths_ = nullptr;
  fetchedRow_ = -2;
  cursorRow_ = 0;
}

int Result::rowCount() const { return res_ ? int(mysql_num_rows(res_)) : 0; }

int Result::columnIndex(const QString& name) const {
  for (int i = 0; i < columns_.size(); ++i)
    if (columns_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

bool Result::seek(int row) {
  started_ = true;
  row_ = row;
  return atRow();
}

bool Result::next() {
  if (!started_) {
    started_ = true;
    row_ = 0;
  } else if (row_ < rowCount()) {
    ++row_;
  }
  return atRow();
}

void Result::fetchRow() const {
  if (fetchedRow_ == row_) return;
  rowData_ = nullptr;
  lengths_ = nullptr;
  fetchedRow_ = row_;
  if (!res_ || !atRow()) {
    fetchedRow_ = -2;
    return;
  }
  // Seeking walks the stored rows from the start, so only seek when the
  // cursor is not already on the row wanted.
  if (row_ != cursorRow_) mysql_data_seek(res_, static_cast<unsigned long long>(row_));
  rowData_ = mysql_fetch_row(res_);
  cursorRow_ = row_ + 1;
  lengths_ = rowData_ ? mysql_fetch_lengths(res_) : nullptr;
}

bool Result::isNull(int column) const {
  if (column < 0 || column >= columnCount()) return true;
  fetchRow();
  return !rowData_ || rowData_[column] == nullptr;
}

QByteArray Result::bytes(int column) const {
  if (isNull(column)) return {};
  return QByteArray(rowData_[column], int(lengths_[column]));
}

QString Result::value(int column) const { return gbk::decode(bytes(column)); }

}  // namespace sa::db
