#include "app/download_command.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTreeWidget>
#include <QWebEngineView>

#include "app/download_browser_session.h"
#include "app/download_test_support.h"
#include "app/download_window.h"
#include "app/main_window.h"
#include "app/qt_text.h"

namespace {

TEST(SelectedAddress, ReadsColumnTwoOfTheSelectedRow) {
  MainWindow window;
  QTreeWidget* list = window.resultsList();
  for (int row = 0; row < 4; ++row) {
    const QString n = QString::number(row + 1);
    list->addTopLevelItem(new QTreeWidgetItem({n, QStringLiteral("标题") + n, QStringLiteral("http://v/") + n}));
  }
  EXPECT_EQ(SelectedAddress(window), "");  // no row selected
  const struct {
    int row;
    std::string address;
  } cases[] = {{2, "http://v/3"}, {0, "http://v/1"}, {3, "http://v/4"}};
  for (const auto& one : cases) {
    list->topLevelItem(one.row)->setSelected(true);
    EXPECT_EQ(SelectedAddress(window), one.address) << "row " << one.row;
    list->clearSelection();
  }
  list->topLevelItem(1)->setText(2, QStringLiteral("http://v/中文"));
  list->topLevelItem(1)->setSelected(true);
  EXPECT_EQ(SelectedAddress(window), "http://v/\xD6\xD0\xCE\xC4");  // GBK "中文"
}

// The session as the module makes it, from the parts linked in here.
std::unique_ptr<DownloadSession> NewSession(const DownloadHost& host) {
  return std::make_unique<BrowserDownloadSession>(host);
}

// The browser of the download window that `command` has open.
QWebEngineView* BrowserOf(const DownloadCommand& command) {
  auto* window = qobject_cast<DownloadWindow*>(command.window());
  return window == nullptr ? nullptr : window->browser();
}

class DownloadCommandTest : public DownloadTest {
 protected:
  // The address that the next opening reads.
  std::string selected_;
  DownloadCommand command_{[this] { return Text(selected_); },
                           [this](const QString&) { return folder_.filePath(QStringLiteral("saved")); },
                           NewSession};
};

TEST_F(DownloadCommandTest, MakesTheBrowserOnlyWhenFirstOpened) {
  EXPECT_EQ(command_.session(), nullptr);
  EXPECT_EQ(command_.window(), nullptr);
  selected_ = Address("/hold1");
  command_.Open();
  ASSERT_NE(command_.session(), nullptr);
  ASSERT_NE(command_.window(), nullptr);
  EXPECT_TRUE(command_.window()->isVisible());
  EXPECT_EQ(command_.window()->parentWidget(), nullptr);
  EXPECT_FALSE(command_.window()->isModal());
}

TEST_F(DownloadCommandTest, OpenedAgainOnlyComesToTheFrontAndKeepsItsAddress) {
  selected_ = Address("/hold1");
  command_.Open();
  QWidget* first = command_.window();
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(WaitFor([&] { return !server_.requests().empty(); }));
  first->showMinimized();
  selected_ = Address("/hold2");
  command_.Open();
  EXPECT_EQ(command_.window(), first);
  EXPECT_FALSE(first->isMinimized());
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(BrowserOf(command_)->url().toString().toStdString(), Address("/hold1"));
  for (const auto& request : server_.requests()) EXPECT_NE(request.target, "/hold2");
}

TEST_F(DownloadCommandTest, ReopenedAfterAManualCloseReadsTheNewSelection) {
  selected_ = Address("/hold1");
  command_.Open();
  QPointer<QWidget> first = command_.window();
  ASSERT_NE(first, nullptr);
  CloseLikeTheUser(first);
  ASSERT_TRUE(WaitFor([&] { return first == nullptr; }));
  EXPECT_EQ(command_.window(), nullptr);

  selected_ = Address("/hold2");
  command_.Open();
  ASSERT_NE(command_.window(), nullptr);
  EXPECT_EQ(BrowserOf(command_)->url().toString().toStdString(), Address("/hold2"));
  EXPECT_TRUE(WaitFor([&] {
    for (const auto& request : server_.requests()) {
      if (request.target == "/hold2") return true;
    }
    return false;
  }));
}

TEST_F(DownloadCommandTest, ClosesByItselfAfterLoadingAndOpensAnewNextTime) {
  selected_ = Address("/page");
  command_.Open();
  ASSERT_TRUE(WaitFor([&] { return command_.window() == nullptr; }));
  selected_ = Address("/hold3");
  command_.Open();
  ASSERT_NE(command_.window(), nullptr);
  EXPECT_EQ(BrowserOf(command_)->url().toString().toStdString(), Address("/hold3"));
}

TEST_F(DownloadCommandTest, RefusesAJavascriptAddressWithAMessage) {
  selected_ = "javascript:alert(1)";
  command_.Open();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(WaitFor([&] { return command_.window() == nullptr; }));
  EXPECT_TRUE(server_.requests().empty());
}

TEST_F(DownloadCommandTest, ClosesItsWindowWhenItEnds) {
  QPointer<QWidget> window;
  {
    DownloadCommand command([this] { return Text(Address("/hold1")); }, {}, NewSession);
    command.Open();
    window = command.window();
    ASSERT_NE(window, nullptr);
  }
  EXPECT_EQ(window, nullptr);
}

}  // namespace
