// The operation log against the real server: who is logged, the switch, and
// the menu item that turns it on and off.
#include <QAction>

#include "app/core/operation_log.h"
#include "tests/core/main_window_fixture.h"

namespace sa::test {
namespace {

class OperationLog : public MainWindowTest {
 protected:
  void setUser(const char* level) {
    state.user = core::LoggedInUser{};
    state.user.loggedIn = true;
    state.user.name = QStringLiteral("赵主任");
    state.user.levelText = QString::fromUtf8(level);
    state.user.level = core::levelNumber(state.user.levelText);
    state.user.localIps = QStringLiteral("10.0.0.5 192.168.0.9 ");
  }
  QString rows() { return scalar(QStringLiteral("select count(*) from operatinglist")); }
  QString lastOperation() {
    return scalar(QStringLiteral("select operating from operatinglist order by id desc limit 1"));
  }
};

TEST_F(OperationLog, WritesOnlyBelow1111AndWhileOn) {
  const struct {
    const char* level;
    bool on;
    bool written;
  } cases[] = {
      {"1110", true, true}, {"1000", true, true},  {"abc", true, true},
      {"1111", true, false}, {"1110", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.level) + (c.on ? " on" : " off"));
    exec(QStringLiteral("delete from operatinglist"));
    setUser(c.level);
    state.operationLogOn = c.on;
    EXPECT_EQ(core::writeOperationLog(state, QStringLiteral("张三的资料被添加。")), c.written);
    EXPECT_EQ(rows(), c.written ? QStringLiteral("1") : QStringLiteral("0"));
  }
}

TEST_F(OperationLog, RowHoldsUserAddressesTimeAndTextExactly) {
  setUser("1110");
  state.operationLogOn = true;
  const QString text = QStringLiteral("O'Neil的资料被修改\\。");
  ASSERT_TRUE(core::writeOperationLog(state, text));
  db::Result r = db.query(QStringLiteral("select user, ip, time, operating, "
                                         "abs(timestampdiff(second, time, now())) as age from operatinglist"));
  ASSERT_TRUE(r);
  ASSERT_EQ(r.rowCount(), 1);
  EXPECT_EQ(r.value(QStringLiteral("user")), QStringLiteral("赵主任"));
  EXPECT_EQ(r.value(QStringLiteral("ip")), QStringLiteral("10.0.0.5 192.168.0.9 "));
  EXPECT_EQ(r.value(QStringLiteral("operating")), text);
  EXPECT_LE(r.value(QStringLiteral("age")).toInt(), 5);
}

TEST_F(OperationLog, FailuresAreSilent) {
  setUser("1000");
  state.operationLogOn = true;
  exec(QStringLiteral("drop table operatinglist"));
  EXPECT_FALSE(core::writeOperationLog(state, QStringLiteral("x")));
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(OperationLog, SwitchIsReadFromRecordRowOne) {
  EXPECT_TRUE(core::readLogSwitch(state));
  exec(QStringLiteral("update record set record='0' where id=1"));
  EXPECT_FALSE(core::readLogSwitch(state));
  EXPECT_FALSE(state.operationLogOn);
  exec(QStringLiteral("update record set record='1' where id=1"));
  exec(QStringLiteral("delete from record"));
  state.operationLogOn = true;
  EXPECT_FALSE(core::readLogSwitch(state)) << "a missing row means off";
}

TEST_F(OperationLog, TogglingLogsTheChangeWhileTheSwitchIsOn) {
  setUser("1110");
  state.operationLogOn = true;
  EXPECT_FALSE(core::toggleLogSwitch(state, prompt));
  EXPECT_EQ(scalar(QStringLiteral("select record from record where id=1")), QStringLiteral("0"));
  EXPECT_EQ(rows(), QStringLiteral("1"));
  EXPECT_EQ(lastOperation(), QStringLiteral("关闭了操作记录"));

  EXPECT_TRUE(core::toggleLogSwitch(state, prompt));
  EXPECT_EQ(scalar(QStringLiteral("select record from record where id=1")), QStringLiteral("1"));
  EXPECT_EQ(rows(), QStringLiteral("2"));
  EXPECT_EQ(lastOperation(), QStringLiteral("开启了操作记录"));
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(OperationLog, SuperAdministratorTogglesWithoutRows) {
  setUser("1111");
  state.operationLogOn = true;
  EXPECT_FALSE(core::toggleLogSwitch(state, prompt));
  EXPECT_TRUE(core::toggleLogSwitch(state, prompt));
  EXPECT_EQ(rows(), QStringLiteral("0"));
}

TEST_F(OperationLog, FailedUpdateSaysSoAndChangesNothing) {
  setUser("1110");
  state.operationLogOn = true;
  exec(QStringLiteral("drop table record"));
  EXPECT_TRUE(core::toggleLogSwitch(state, prompt));
  EXPECT_TRUE(state.operationLogOn);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("操作失败")});
  EXPECT_EQ(prompt.last().title, QStringLiteral("信息："));
  EXPECT_EQ(rows(), QStringLiteral("0"));
}

TEST_F(OperationLog, MenuItemShowsAndTogglesTheSwitch) {
  QAction* item = window->menuAction(QStringLiteral("记录开关"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QStringLiteral("记录开关"));
  login(QStringLiteral("1110"));
  EXPECT_TRUE(state.operationLogOn);
  EXPECT_EQ(item->text(), QStringLiteral("关闭操作记录"));

  item->trigger();
  EXPECT_EQ(item->text(), QStringLiteral("开启操作记录"));
  EXPECT_EQ(scalar(QStringLiteral("select record from record where id=1")), QStringLiteral("0"));
  EXPECT_EQ(lastOperation(), QStringLiteral("关闭了操作记录"));

  item->trigger();
  EXPECT_EQ(item->text(), QStringLiteral("关闭操作记录"));
  EXPECT_EQ(lastOperation(), QStringLiteral("开启了操作记录"));

  // Another workstation turned it off: the next login reads it.
  exec(QStringLiteral("update record set record='0' where id=1"));
  login(QStringLiteral("1110"));
  EXPECT_FALSE(state.operationLogOn);
  EXPECT_EQ(item->text(), QStringLiteral("开启操作记录"));
}

}  // namespace
}  // namespace sa::test
