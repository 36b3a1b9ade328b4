#include "app/download_module.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>

#include "app/download_command.h"
#include "app/download_test_support.h"

namespace {

// True when the browser engine's library is in this process.
bool BrowserEngineLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return false;
  return maps.readAll().contains("libQt6WebEngineCore");
}

std::unique_ptr<DownloadSession> LoadBuiltModule(const DownloadHost& host) {
  return LoadDownloadSession(host, QStringLiteral(POLVANE_DOWNLOAD_MODULE));
}

class DownloadModuleTest : public DownloadTest {};

// One test for the whole life of the process, since a module once loaded
// stays: nothing of the browser before the first opening, then the module's
// window loads a page and closes itself, and the next opening reuses it.
TEST_F(DownloadModuleTest, LoadsTheBrowserAtTheFirstOpeningOnly) {
  std::string address;
  DownloadCommand command([&] { return Text(address); }, {}, LoadBuiltModule);
  EXPECT_FALSE(BrowserEngineLoaded());
  EXPECT_EQ(command.session(), nullptr);

  address = Address("/page");
  command.Open();
  ASSERT_NE(command.session(), nullptr);
  EXPECT_TRUE(BrowserEngineLoaded());
  QPointer<QWidget> window = command.window();
  ASSERT_NE(window, nullptr);
  // "下载完毕之后请关闭此窗口"
  EXPECT_EQ(window->windowTitle(), QStringLiteral("下载完毕之后请关闭此窗口"));
  ASSERT_TRUE(WaitFor([&] { return window == nullptr; }));
  ASSERT_FALSE(server_.requests().empty());
  EXPECT_EQ(server_.requests().front().target, "/page");

  // A refused address speaks through the program's message box.
  DownloadSession* session = command.session();
  address = "javascript:alert(1)";
  command.Open();
  EXPECT_EQ(command.session(), session);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("这个地址不能下载")));
  EXPECT_TRUE(WaitFor([&] { return command.window() == nullptr; }));
}

TEST(DownloadModule, SaysWhyWhenItCannotBeLoaded) {
  std::string error;
  const DownloadHost host;
  EXPECT_EQ(LoadDownloadSession(host, QStringLiteral("/nonexistent/libpolvane_download.so"), &error), nullptr);
  EXPECT_NE(error.find("/nonexistent/libpolvane_download.so"), std::string::npos) << error;
}

TEST(DownloadModule, LiesBesideTheProgram) {
  EXPECT_EQ(DownloadModulePath(), QStringLiteral(POLVANE_DOWNLOAD_MODULE));
  EXPECT_TRUE(QFile::exists(QStringLiteral(POLVANE_DOWNLOAD_MODULE)));
}

}  // namespace
