#include "app/db/connection.h"

#include <errmsg.h>
#include <mysql.h>

#include "common/gbk.h"

namespace sa::db {

Connection::Connection() = default;

Connection::~Connection() { close(); }

bool Connection::open(const ConnectionParams& params) {
  close();
  params_ = params;
  MYSQL* m = mysql_init(nullptr);
  if (!m) {
    setError(QStringLiteral("out of memory"), CR_OUT_OF_MEMORY);
    return false;
  }
  mysql_options(m, MYSQL_SET_CHARSET_NAME, "gbk");
  const QByteArray host = gbk::encode(params.host);
  const QByteArray user = gbk::encode(params.user);
  const QByteArray password = gbk::encode(params.password);
  const QByteArray database = gbk::encode(params.database);
  if (!mysql_real_connect(m, host.constData(), user.constData(), password.constData(),
                          database.isEmpty() ? nullptr : database.constData(), params.port, nullptr, 0)) {
    mysql_ = m;
    takeError();
    mysql_close(m);
    mysql_ = nullptr;
    return false;
  }
  mysql_ = m;
  setError({}, 0);
  return true;
}

void Connection::close() {
  if (mysql_) mysql_close(mysql_);
  mysql_ = nullptr;
}

void Connection::setError(const QString& text, unsigned code) {
  lastError_ = text;
  lastErrno_ = code;
}

void Connection::takeError() {
  setError(gbk::decode(QByteArray(mysql_error(mysql_))), mysql_errno(mysql_));
}

bool Connection::run(const QByteArray& sql) {
  if (!mysql_) {
    setError(QStringLiteral("not connected to the server"), CR_CONNECTION_ERROR);
    return false;
  }
  if (mysql_real_query(mysql_, sql.constData(), sql.size()) != 0) {
    takeError();
    return false;
  }
  setError({}, 0);
  return true;
}

bool Connection::execute(const QString& sql) {
  if (!run(gbk::encode(sql))) return false;
  // A statement that unexpectedly returns rows must not leave them pending.
  if (MYSQL_RES* res = mysql_store_result(mysql_)) mysql_free_result(res);
  return true;
}

Result Connection::query(const QString& sql) {
  if (!run(gbk::encode(sql))) return Result();
  MYSQL_RES* res = mysql_store_result(mysql_);
  if (!res) {
    if (mysql_field_count(mysql_) != 0) {
      takeError();
      return Result();
    }
    return Result::emptyOk();
  }
  return Result(res);
}

bool Connection::executeScript(const QString& sql) {
  if (!mysql_) return run({});
  mysql_set_server_option(mysql_, MYSQL_OPTION_MULTI_STATEMENTS_ON);
  bool ok = run(gbk::encode(sql));
  if (ok) {
    // Drain every result; the first failing statement stops the script.
    for (;;) {
      if (MYSQL_RES* res = mysql_store_result(mysql_)) mysql_free_result(res);
      const int status = mysql_next_result(mysql_);
      if (status == -1) break;
      if (status > 0) {
        takeError();
        ok = false;
        break;
      }
    }
  }
  mysql_set_server_option(mysql_, MYSQL_OPTION_MULTI_STATEMENTS_OFF);
  return ok;
}

bool Connection::executeWithBlob(const QString& sqlWithPlaceholder, const QByteArray& data) {
  if (!mysql_) return run({});
  MYSQL_STMT* stmt = mysql_stmt_init(mysql_);
  if (!stmt) {
    takeError();
    return false;
  }
  const QByteArray sql = gbk::encode(sqlWithPlaceholder);
  bool ok = mysql_stmt_prepare(stmt, sql.constData(), sql.size()) == 0;
  if (ok) {
    MYSQL_BIND bind{};
    unsigned long length = static_cast<unsigned long>(data.size());
    bind.buffer_type = MYSQL_TYPE_LONG_BLOB;
    bind.buffer = const_cast<char*>(data.constData());
    bind.buffer_length = length;
    bind.length = &length;
    ok = mysql_stmt_bind_param(stmt, &bind) == 0 && mysql_stmt_execute(stmt) == 0;
  }
  if (ok)
    setError({}, 0);
  else
    setError(gbk::decode(QByteArray(mysql_stmt_error(stmt))), mysql_stmt_errno(stmt));
  mysql_stmt_close(stmt);
  return ok;
}

QString Connection::esc(const QString& value) const {
  const QByteArray raw = gbk::encode(value);
  QByteArray out(raw.size() * 2 + 1, '\0');
  unsigned long n;
  if (mysql_) {
    n = mysql_real_escape_string(mysql_, out.data(), raw.constData(), raw.size());
  } else {
    // Without a connection nothing will run the statement; escape the
    // characters MySQL treats specially so the text is still safe.
    n = 0;
    for (char c : raw) {
      switch (c) {
        case '\0': out[n++] = '\\'; out[n++] = '0'; break;
        case '\n': out[n++] = '\\'; out[n++] = 'n'; break;
        case '\r': out[n++] = '\\'; out[n++] = 'r'; break;
        case '\x1a': out[n++] = '\\'; out[n++] = 'Z'; break;
        case '\'': case '"': case '\\': out[n++] = '\\'; out[n++] = c; break;
        default: out[n++] = c;
      }
    }
  }
  out.truncate(int(n));
  return gbk::decode(out);
}

QStringList Connection::tables() {
  QStringList out;
  Result r = query(QStringLiteral("show tables"));
  while (r.next()) out << r.value(0);
  return out;
}

bool Connection::selectDatabase(const QString& name) {
  if (!mysql_) return run({});
  const QByteArray db = gbk::encode(name);
  if (mysql_select_db(mysql_, db.constData()) != 0) {
    takeError();
    return false;
  }
  params_.database = name;
  return true;
}

bool Connection::begin() { return execute(QStringLiteral("start transaction")); }
bool Connection::commit() { return execute(QStringLiteral("commit")); }
bool Connection::rollback() { return execute(QStringLiteral("rollback")); }

unsigned long long Connection::affectedRows() const { return mysql_ ? mysql_affected_rows(mysql_) : 0; }
unsigned long long Connection::lastInsertId() const { return mysql_ ? mysql_insert_id(mysql_) : 0; }

}  // namespace sa::db
