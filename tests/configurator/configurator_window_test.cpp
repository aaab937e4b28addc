#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "configurator/configurator_window.h"
#include "tests/configurator/configurator_fixture.h"
#include "tests/support/qt_test_app.h"

namespace sa::configurator::test {
namespace {

class ConfiguratorWindowTest : public ConfiguratorTest {
 protected:
  void SetUp() override {
    ConfiguratorTest::SetUp();
    sa::test::qtApp();
    window = std::make_unique<ConfiguratorWindow>(image, &prompt);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  template <typename W = QWidget>
  W* find(const char* name) const {
    W* w = window->findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QTabWidget* tabs() const { return find<QTabWidget>("选择夹1"); }
  void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
  // Typed key by key where QTest can (ASCII); Chinese arrives whole, as from
  // an input method.
  void type(const char* edit, const QString& text) {
    QLineEdit* e = find<QLineEdit>(edit);
    e->clear();
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii)
      QTest::keyClicks(e, text);
    else
      e->insert(text);
  }
  // Through the agreement and the school name onto the configuration page.
  void toConfigurationPage() {
    click("按钮_同意协议");
    type("编辑框_学校名称", QStringLiteral("东城第一中学"));
    click("按钮_下一步");
    ASSERT_EQ(tabs()->currentIndex(), 0);
  }
  void fillConfiguration() {
    type("服务器地址编辑框", QStringLiteral("192.168.1.10"));
    type("用户名编辑框", QStringLiteral("teacher"));
    type("用户密码编辑框", QStringLiteral("Pa55word"));
    type("升级列表文件编辑框", QStringLiteral("http://www.myschool.edu.cn/sm/update.txt"));
  }

  std::unique_ptr<ConfiguratorWindow> window;
};

TEST_F(ConfiguratorWindowTest, OpensOnTheAgreementPageWithTheDesignedControls) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorlan校务管理软件配置器   使用协议"));
  EXPECT_EQ(window->geometry().size(), QSize(380, 258));
  EXPECT_EQ(window->service().stage(), 1);
  ASSERT_EQ(tabs()->count(), 3);
  EXPECT_EQ(tabs()->currentIndex(), 1);
  EXPECT_EQ(tabs()->tabText(0), QStringLiteral("软件配置"));
  EXPECT_EQ(tabs()->tabText(1), QStringLiteral("使用协议"));
  EXPECT_EQ(tabs()->tabText(2), QStringLiteral("软件信息"));
  EXPECT_FALSE(find<QPlainTextEdit>("编辑框_协议")->toPlainText().isEmpty());
  EXPECT_TRUE(find<QPlainTextEdit>("编辑框_协议")->isReadOnly());

  struct Caption {
    const char* name;
    QString text;
    int page;
  };
  const Caption labels[] = {
      {"透明标签5", QStringLiteral("服务器配置"), 0},      {"透明标签4", QStringLiteral("MySQL服务器地址："), 0},
      {"透明标签3", QStringLiteral("MySQL用户名："), 0},   {"透明标签2", QStringLiteral("MySQL用户密码："), 0},
      {"透明标签6", QStringLiteral("升级配置"), 0},        {"透明标签1", QStringLiteral("升级列表文件地址："), 0},
      {"标签4", QStringLiteral("学校名称"), 2},
  };
  for (const Caption& c : labels) {
    QLabel* l = find<QLabel>(c.name);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), c.text) << c.name;
    EXPECT_TRUE(tabs()->widget(c.page)->isAncestorOf(l)) << c.name;
  }
  const QString hint = find<QLabel>("透明标签7")->text();
  EXPECT_TRUE(hint.startsWith(QStringLiteral("如：")) && hint.endsWith(QStringLiteral("/sm/update.txt")));
  const Caption buttons[] = {
      {"按钮2", QStringLiteral("配置示范"), 0},        {"按钮3", QStringLiteral("列表文件地址格式"), 0},
      {"按钮1", QStringLiteral("生成校务管理软件"), 0}, {"按钮_同意协议", QStringLiteral("同意协议"), 1},
      {"按钮_退出", QStringLiteral("退出"), 1},        {"按钮_下一步", QStringLiteral("下一步"), 2},
      {"按钮_关闭", QStringLiteral("关闭"), 2},
  };
  for (const Caption& c : buttons) {
    QPushButton* b = find<QPushButton>(c.name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), c.text) << c.name;
    EXPECT_TRUE(tabs()->widget(c.page)->isAncestorOf(b)) << c.name;
  }
  for (const char* edit : {"服务器地址编辑框", "用户名编辑框", "用户密码编辑框", "升级列表文件编辑框"}) {
    EXPECT_TRUE(tabs()->widget(0)->isAncestorOf(find<QLineEdit>(edit))) << edit;
    EXPECT_EQ(find<QLineEdit>(edit)->echoMode(), QLineEdit::Normal) << edit;
  }
  EXPECT_EQ(find<QGroupBox>("分组框3")->title(), QStringLiteral("软件信息"));
  EXPECT_TRUE(find<QGroupBox>("分组框3")->isAncestorOf(find<QLineEdit>("编辑框_学校名称")));
}

TEST_F(ConfiguratorWindowTest, PagesFollowTheStages) {
  // Buttons of later pages send the installer back while earlier pages are open.
  tabs()->setCurrentIndex(2);
  click("按钮_下一步");
  EXPECT_EQ(tabs()->currentIndex(), 1);
  tabs()->setCurrentIndex(0);
  click("按钮1");
  EXPECT_EQ(tabs()->currentIndex(), 2);
  EXPECT_TRUE(prompt.shown().empty());

  click("按钮_同意协议");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorlan校务管理软件配置器   软件信息"));
  EXPECT_EQ(tabs()->currentIndex(), 2);

  click("按钮_下一步");
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("   请填写您的学校名称")});
  type("编辑框_学校名称", QStringLiteral("东城　一中"));  // full-width space
  click("按钮_下一步");
  EXPECT_EQ(prompt.last().text, QStringLiteral("   您的学校名称不能留空"));
  EXPECT_EQ(tabs()->currentIndex(), 2);

  type("编辑框_学校名称", QStringLiteral("东城一中"));
  click("按钮_下一步");
  EXPECT_EQ(tabs()->currentIndex(), 0);
  EXPECT_EQ(window->service().stage(), 3);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorlan校务管理软件配置器   软件信息"));
}

TEST_F(ConfiguratorWindowTest, AFailedCheckFocusesItsField) {
  QApplication::setActiveWindow(window.get());
  // Offscreen (as under ctest) activation always works; a bare X server
  // without a window manager gives no keyboard focus to test.
  if (!QTest::qWaitForWindowActive(window.get())) GTEST_SKIP() << "the window cannot be activated here";
  toConfigurationPage();
  fillConfiguration();
  type("用户名编辑框", QStringLiteral("tea cher"));
  find<QLineEdit>("服务器地址编辑框")->setFocus();
  click("按钮1");
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  用户名不能留空")});
  EXPECT_TRUE(find<QLineEdit>("用户名编辑框")->hasFocus());

  find<QLineEdit>("升级列表文件编辑框")->clear();
  type("用户名编辑框", QStringLiteral("teacher"));
  click("按钮1");
  EXPECT_EQ(prompt.last().text, QStringLiteral("  升级列表文件地址不能留空"));
  EXPECT_TRUE(find<QLineEdit>("升级列表文件编辑框")->hasFocus());
  EXPECT_FALSE(exists(QStringLiteral("school.exe")));
}

TEST_F(ConfiguratorWindowTest, GeneratesTheConfiguredApplication) {
  toConfigurationPage();
  fillConfiguration();
  prompt.choose(path(QStringLiteral("school.exe"))).answer(true);
  click("按钮1");
  EXPECT_TRUE(prompt.scriptUsedUp());
  EXPECT_EQ(prompt.last().text, QStringLiteral("  配置成功"));
  EXPECT_EQ(settingsIn(QStringLiteral("school.exe")),
            (settings::Settings{QStringLiteral("192.168.1.10"), QStringLiteral("东城第一中学"),
                                QStringLiteral("http://www.myschool.edu.cn/sm/update.txt"), QStringLiteral("teacher"),
                                QStringLiteral("Pa55word")}));
  EXPECT_EQ(read(QStringLiteral("update.txt")), expectedUpdateTemplate());
}

TEST_F(ConfiguratorWindowTest, ExampleAndHelpButtonsShowTheirBoxes) {
  click("按钮2");
  click("按钮3");
  ASSERT_EQ(prompt.messages().size(), 2);
  EXPECT_TRUE(prompt.messages()[0].startsWith(QStringLiteral("例子\r\n\r\n服务器地址：")));
  EXPECT_TRUE(prompt.messages()[1].startsWith(QStringLiteral("点配置校务管理软件后")));
}

TEST_F(ConfiguratorWindowTest, QuitAndCloseEndTheWindow) {
  for (const char* button : {"按钮_退出", "按钮_关闭"}) {
    window->show();
    ASSERT_TRUE(window->isVisible());
    click(button);
    EXPECT_FALSE(window->isVisible()) << button;
  }
}

// Not a check: with SA_SCREENSHOT_DIR set, saves each page as a PNG to look at.
TEST_F(ConfiguratorWindowTest, Screenshots) {
  const QString dir = qEnvironmentVariable("SA_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "SA_SCREENSHOT_DIR not set";
  fillConfiguration();
  type("编辑框_学校名称", QStringLiteral("东城第一中学"));
  const char* names[] = {"configurator-tab0-configuration.png", "configurator-tab1-agreement.png",
                         "configurator-tab2-school.png"};
  for (int page = 0; page < 3; ++page) {
    tabs()->setCurrentIndex(page);
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().save(dir + QLatin1Char('/') + QString::fromLatin1(names[page])));
  }
}

}  // namespace
}  // namespace sa::configurator::test
