#include "app/download_saver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QWebEngineProfile>

#include "app/download_browser_session.h"
#include "app/download_command.h"
#include "app/download_progress.h"
#include "app/download_test_support.h"
#include "app/download_window.h"

namespace {

std::string FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "(missing)";
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

class DownloadSaverTest : public DownloadTest {
 protected:
  // Answers every question with the next of `chosen_` (empty: declined) and
  // records the suggested paths.
  QString Choose(const QString& suggested) {
    suggested_.push_back(suggested);
    if (chosen_.empty()) return QString();
    const QString next = chosen_.front();
    chosen_.erase(chosen_.begin());
    return next;
  }

  // Opens the download window on `path` and waits until it has closed itself.
  void LoadAndWaitForClose(const std::string& path) {
    address_ = Address(path);
    command_.Open();
    QPointer<QWidget> window = command_.window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return window == nullptr; })) << path;
  }

  // The saver of the command's session; null before the first opening.
  DownloadSaver* saver() const {
    auto* session = static_cast<BrowserDownloadSession*>(command_.session());
    return session == nullptr ? nullptr : session->saver();
  }

  std::vector<QString> chosen_;
  std::vector<QString> suggested_;
  std::string address_;
  DownloadCommand command_{[this] { return Text(address_); }, [this](const QString& s) { return Choose(s); },
                           [](const DownloadHost& host) { return std::make_unique<BrowserDownloadSession>(host); }};
};

TEST_F(DownloadSaverTest, SavesAnAttachmentByteForByteWhereTheUserChose) {
  const QString path = folder_.filePath(QStringLiteral("my clip.flv"));
  chosen_ = {path};
  LoadAndWaitForClose("/clip.flv");
  ASSERT_NE(saver(), nullptr);

  // The window has gone; the download goes on in its own window and ends.
  ASSERT_TRUE(WaitFor([&] { return suggested_.size() == 1; }));
  EXPECT_EQ(suggested_[0], QDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))
                               .filePath(QStringLiteral("clip.flv")));
  ASSERT_TRUE(WaitFor([&] { return saver()->progressWindows().empty(); }));
  EXPECT_EQ(FileBytes(path), ClipBytes());
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(QFile::exists(path + QStringLiteral(".download")));
  // The page that the download came from is not kept once it is handed over.
  EXPECT_TRUE(WaitFor([&] { return saver()->adoptedPageCount() == 0; }));
}

TEST_F(DownloadSaverTest, ShowsAProgressWindowThatClosesItselfWhenDone) {
  const QString path = folder_.filePath(QStringLiteral("clip.flv"));
  chosen_ = {path};
  address_ = Address("/hold1");
  command_.Open();  // makes the saver
  ASSERT_NE(saver(), nullptr);
  QSignalSpy started(saver(), &DownloadSaver::downloadStarted);
  QPointer<QWidget> held = command_.window();
  CloseLikeTheUser(held);
  ASSERT_TRUE(WaitFor([&] { return held == nullptr; }));
  LoadAndWaitForClose("/clip.flv");
  ASSERT_TRUE(WaitFor([&] { return started.count() == 1; }));
  QPointer<DownloadProgress> progress = started.at(0).at(0).value<DownloadProgress*>();
  ASSERT_TRUE(WaitFor([&] { return progress == nullptr; }));
  EXPECT_EQ(FileBytes(path), ClipBytes());
}

TEST_F(DownloadSaverTest, SavesNothingWhenTheUserDeclines) {
  LoadAndWaitForClose("/clip.flv");
  ASSERT_TRUE(WaitFor([&] { return suggested_.size() == 1; }));
  EXPECT_TRUE(saver()->progressWindows().empty());
  EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

TEST_F(DownloadSaverTest, RunsSeveralDownloadsAtOnceAndCancelsOneOnRequest) {
  chosen_ = {folder_.filePath(QStringLiteral("a.flv")), folder_.filePath(QStringLiteral("b.flv"))};
  LoadAndWaitForClose("/held.flv");
  ASSERT_TRUE(WaitFor([&] { return saver()->progressWindows().size() == 1; }));
  LoadAndWaitForClose("/held.flv");
  ASSERT_TRUE(WaitFor([&] { return saver()->progressWindows().size() == 2; }));

  const std::vector<DownloadProgress*> windows = saver()->progressWindows();
  QPointer<DownloadProgress> first = windows[0];
  QPointer<DownloadProgress> second = windows[1];
  EXPECT_EQ(first->path(), folder_.filePath(QStringLiteral("a.flv")));
  EXPECT_EQ(second->path(), folder_.filePath(QStringLiteral("b.flv")));
  for (DownloadProgress* progress : windows) {
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->parentWidget(), nullptr);
    EXPECT_FALSE(progress->hasEnded());
    EXPECT_TRUE(WaitFor([&] { return progress->statusText().contains(QStringLiteral("4096")); }));
    EXPECT_TRUE(progress->statusText().contains(QStringLiteral("1000000"))) << progress->statusText().toStdString();
  }

  // The user's own cancel closes that window; the other download goes on.
  ClickLikeTheUser(first->button());
  ASSERT_TRUE(WaitFor([&] { return first == nullptr; }));
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(second->hasEnded());
  EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("a.flv"))));
}

TEST_F(DownloadSaverTest, SaysSoWhenADownloadFails) {
  chosen_ = {folder_.filePath(QStringLiteral("broken.flv"))};
  LoadAndWaitForClose("/broken.flv");
  ASSERT_TRUE(WaitFor([&] { return saver()->progressWindows().size() == 1; }));
  QPointer<DownloadProgress> progress = saver()->progressWindows()[0];
  ASSERT_TRUE(WaitFor([&] { return progress == nullptr || progress->hasEnded(); }));
  ASSERT_NE(progress, nullptr);  // it stays to say what happened
  EXPECT_TRUE(progress->statusText().startsWith(QStringLiteral("下载失败："))) << progress->statusText().toStdString();
  EXPECT_EQ(progress->button()->text(), QStringLiteral("关闭"));
  EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("broken.flv"))));
  ClickLikeTheUser(progress->button());
  EXPECT_TRUE(WaitFor([&] { return progress == nullptr; }));
}

TEST_F(DownloadSaverTest, SaysSoWhenADownloadIsCancelledElsewhere) {
  // A folder that cannot be made (a file stands in its way) makes the
  // browser cancel the download.
  QFile blocker(folder_.filePath(QStringLiteral("file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  chosen_ = {folder_.filePath(QStringLiteral("file/sub/clip.flv"))};
  LoadAndWaitForClose("/clip.flv");
  ASSERT_TRUE(WaitFor([&] { return suggested_.size() == 1; }));
  ASSERT_TRUE(WaitFor([&] {
    const auto windows = saver()->progressWindows();
    return windows.size() == 1 && windows[0]->hasEnded();
  }));
  DownloadProgress* progress = saver()->progressWindows()[0];
  EXPECT_EQ(progress->statusText(), QStringLiteral("下载已取消。"));
  EXPECT_EQ(progress->button()->text(), QStringLiteral("关闭"));
}

}  // namespace
