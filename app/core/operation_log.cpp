#include "app/core/operation_log.h"

#include <QDateTime>

#include "app/core/levels.h"

namespace sa::core {

QString logSwitchCaption(bool on) {
  return on ? QStringLiteral("关闭操作记录") : QStringLiteral("开启操作记录");
}

bool readLogSwitch(AppState& state) {
  state.operationLogOn = false;
  if (!state.db.isOpen()) return false;
  db::Result r = state.db.query(QStringLiteral("select * from record where id=1;"));
  if (r && r.rowCount() > 0) {
    r.seek(0);
    state.operationLogOn = r.value(QStringLiteral("record")) == QStringLiteral("1");
  }
  return state.operationLogOn;
}

bool writeOperationLog(AppState& state, const QString& text) {
  if (!state.operationLogOn) return false;
  if (levelAtLeast(state.user.levelText, 1111)) return false;
  if (!state.db.isOpen()) return false;
  db::Connection& db = state.db;
  const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  return db.execute(QStringLiteral("insert into operatinglist (user,ip,time,operating) values ('") +
                    db.esc(state.user.name) + QStringLiteral("','") + db.esc(state.user.localIps) +
                    QStringLiteral("','") + now + QStringLiteral("','") + db.esc(text) + QStringLiteral("');"));
}

bool toggleLogSwitch(AppState& state, ui::Prompt& prompt) {
  const bool turnOff = state.operationLogOn;
  const QString sql = turnOff ? QStringLiteral("update record set record='0' where id=1;")
                              : QStringLiteral("update record set record='1' where id=1;");
  if (!state.db.isOpen() || !state.db.execute(sql)) {
    prompt.message(QStringLiteral("操作失败"));
    return state.operationLogOn;
  }
  if (turnOff) {
    writeOperationLog(state, QStringLiteral("关闭了操作记录"));
    state.operationLogOn = false;
  } else {
    state.operationLogOn = true;
    writeOperationLog(state, QStringLiteral("开启了操作记录"));
  }
  return state.operationLogOn;
}

}  // namespace sa::core
