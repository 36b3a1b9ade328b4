#include "app/download_window.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "app/download_saver.h"
#include "app/download_test_support.h"
#include "app/qt_text.h"

namespace {

TEST(DownloadAddress, AllowsOnlyWebAndFtpSchemes) {
  const struct {
    std::string address;
    bool allowed;
  } cases[] = {
      {"", true},
      {"http://127.0.0.1/a.flv", true},
      {"https://v.example/a.mp4?x=1&y=2", true},
      {"ftp://files.example/a.flv", true},
      {"HTTP://V.EXAMPLE/A.FLV", true},
      {"HtTpS://v.example/", true},
      {"javascript:alert(1)", false},
      {"JavaScript:alert(1)", false},
      {"file:///etc/passwd", false},
      {"data:text/html,<b>x</b>", false},
      {"about:blank", false},
      {"chrome://settings", false},
      {"mailto:a@b.example", false},
      {"v.example/a.flv", false},
      {"//v.example/a.flv", false},
      {" javascript:alert(1)", false},
      {"http:/\xD6\xD0\xCE\xC4", true},  // "http:/中文"
  };
  for (const auto& one : cases) {
    EXPECT_EQ(IsAllowedDownloadAddress(one.address), one.allowed) << "address: " << one.address;
  }
}

class DownloadWindowTest : public DownloadTest {
 protected:
  DownloadSaver saver_{[this](const QString&) { return folder_.filePath(QStringLiteral("saved")); }};
};

TEST_F(DownloadWindowTest, HasItsTitlePlaceAndBrowser) {
  auto* window = new DownloadWindow(&saver_, RecordMessages());
  QPointer<DownloadWindow> guard(window);
  // "下载完毕之后请关闭此窗口"
  EXPECT_EQ(window->windowTitle(), QStringLiteral("下载完毕之后请关闭此窗口"));
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
  window->show();
  // Under a window manager the frame comes a little after the window.
  EXPECT_TRUE(WaitFor([&] { return window->frameGeometry() == QRect(50, 50, 431, 246); }))
      << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
      << window->frameGeometry().width() << "x" << window->frameGeometry().height();
  EXPECT_EQ(window->browser()->geometry(), QRect(8, 8, 408, 200));
  EXPECT_EQ(window->browser()->objectName(), QStringLiteral("超文本浏览框1"));
  EXPECT_EQ(window->browser()->page()->profile(), saver_.profile());
  EXPECT_TRUE(window->browser()->url().isEmpty());
  CloseLikeTheUser(window);
  EXPECT_TRUE(WaitFor([&] { return guard == nullptr; }));
}

TEST_F(DownloadWindowTest, LoadsAPageAndClosesItselfAtTheEnd) {
  auto* window = new DownloadWindow(&saver_, RecordMessages());
  QPointer<DownloadWindow> guard(window);
  QSignalSpy ended(window, &DownloadWindow::loadEnded);
  window->show();
  EXPECT_TRUE(window->ShowDownloadAddress(Address("/page")));
  ASSERT_TRUE(WaitFor([&] { return guard == nullptr; }));
  ASSERT_EQ(ended.count(), 1);
  EXPECT_TRUE(ended.at(0).at(0).toBool());
  EXPECT_TRUE(messages_.empty());
  EXPECT_GE(server_.requests().size(), 1u);
  EXPECT_EQ(server_.requests().front().target, "/page");
  EXPECT_EQ(saver_.adoptedPageCount(), 0);  // a shown page leads to no download
}

TEST_F(DownloadWindowTest, ClosesItselfWhenTheAddressCannotBeLoaded) {
  auto* window = new DownloadWindow(&saver_, RecordMessages());
  QPointer<DownloadWindow> guard(window);
  QSignalSpy ended(window, &DownloadWindow::loadEnded);
  window->show();
  // Nothing listens on port 1.
  EXPECT_TRUE(window->ShowDownloadAddress("http://127.0.0.1:1/a.flv"));
  ASSERT_TRUE(WaitFor([&] { return guard == nullptr; }));
  ASSERT_EQ(ended.count(), 1);
  EXPECT_FALSE(ended.at(0).at(0).toBool());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(DownloadWindowTest, GivesTheBrowserAnEmptyAddressWithoutAMessage) {
  auto* window = new DownloadWindow(&saver_, RecordMessages());
  QPointer<DownloadWindow> guard(window);
  window->show();
  EXPECT_TRUE(window->ShowDownloadAddress(""));
  // The browser shows a blank page for it, and that loading ends too.
  EXPECT_TRUE(WaitFor([&] { return guard == nullptr; }));
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(server_.requests().empty());
}

TEST_F(DownloadWindowTest, RefusesOtherSchemesWithAMessageAndCloses) {
  const std::string refused[] = {
      "javascript:location='" + Address("/page") + "'",
      "file:///etc/hostname",
      "data:text/html,<script>location='" + Address("/page") + "'</script>",
  };
  for (const std::string& address : refused) {
    messages_.clear();
    auto* window = new DownloadWindow(&saver_, RecordMessages());
    QPointer<DownloadWindow> guard(window);
    QSignalSpy ended(window, &DownloadWindow::loadEnded);
    window->show();
    EXPECT_FALSE(window->ShowDownloadAddress(address)) << address;
    ASSERT_EQ(messages_.size(), 1u) << address;
    EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("这个地址不能下载"))) << address;
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("http://、https:// 或 ftp://"))) << address;
    EXPECT_TRUE(messages_[0].endsWith(FromGbk(address))) << address;
    EXPECT_TRUE(window->browser()->url().isEmpty()) << address;
    EXPECT_TRUE(WaitFor([&] { return guard == nullptr; })) << address;
    EXPECT_EQ(ended.count(), 0) << address;
  }
  EXPECT_TRUE(server_.requests().empty());
}

}  // namespace
