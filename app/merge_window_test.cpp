#include "app/merge_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QPointer>
#include <QUrl>
#include <atomic>
#include <functional>
#include <thread>

#include "app/owner_message_box.h"
#include "app/qt_ui_services.h"
#include "merge/faulty_disk.h"
#include "merge/merged_name.h"
#include "merge/merge_test_folder.h"
#include "merge/test_gate.h"

namespace {

// "合并后的视频." as the file system spells it.
const std::string kMergedName = "\xE5\x90\x88\xE5\xB9\xB6\xE5\x90\x8E\xE7\x9A\x84\xE8\xA7\x86\xE9\xA2\x91.";

struct Shown {
  QString message;
  QString caption;
  int style;
};

struct OwnedBox {
  QWidget* owner;
  QString text;
  QString title;
  QMessageBox::Icon icon;
};

class MergeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services_.SetMessageHook([this](const QString& message, const QString& caption, int style) {
      messages_.push_back({message, caption, style});
    });
    InstallUiServices(&services_);
    SetOwnerBoxPresenter([this](QMessageBox& box) -> QAbstractButton* {
      ownedBoxes_.push_back({box.parentWidget(), box.text(), box.windowTitle(), box.icon()});
      return box.button(QMessageBox::Ok);
    });
  }
  void TearDown() override {
    SetOwnerBoxPresenter(nullptr);
    InstallUiServices(nullptr);
  }

  // Delivers a drop of the data on the window, as the desktop does, and lets
  // the window take the files up.
  static void Drop(MergeWindow& window, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    ASSERT_TRUE(drop.isAccepted());
    QApplication::processEvents();
  }

  // A drop of the files, named as the desktop names them.
  static void Drop(MergeWindow& window, const std::vector<std::string>& paths) {
    QList<QUrl> urls;
    for (const std::string& path : paths) urls.push_back(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
    QMimeData data;
    data.setUrls(urls);
    Drop(window, data);
  }

  static void WaitForMergeEnd(MergeWindow& window) {
    while (window.Merging()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }

  static std::vector<std::string> Rows(const MergeWindow& window) {
    std::vector<std::string> rows;
    for (int row = 0; row < window.RowCount(); ++row) {
      EXPECT_EQ(window.fileList()->topLevelItem(row)->text(0), QString::number(row + 1));
      rows.push_back(window.RowPath(row));
    }
    return rows;
  }

  QtUiServices services_;
  std::vector<Shown> messages_;
  std::vector<OwnedBox> ownedBoxes_;
  TestFolder folder_;
};

TEST(DroppedPaths, TakesTheLocalFilesOfADrop) {
  const struct {
    const char* name;
    std::function<void(QMimeData&)> fill;
    std::vector<std::string> paths;
  } cases[] = {
      {"file addresses", [](QMimeData& d) { d.setUrls({QUrl("file:///v/a.mp4"), QUrl("file:///v/b c.mp4")}); },
       {"/v/a.mp4", "/v/b c.mp4"}},
      {"other addresses left out",
       [](QMimeData& d) { d.setUrls({QUrl("http://host/a.mp4"), QUrl("file:///v/b.mp4")}); }, {"/v/b.mp4"}},
      {"the list's own bytes", [](QMimeData& d) { d.setData("text/uri-list", "file:///v/%FF.ts\r\n"); },
       {"/v/\xFF.ts"}},
      {"plain text", [](QMimeData& d) { d.setText("/v/a.mp4"); }, {}},
      {"nothing", [](QMimeData&) {}, {}},
  };
  for (const auto& c : cases) {
    QMimeData data;
    c.fill(data);
    EXPECT_EQ(DroppedPaths(data), c.paths) << c.name;
  }
}

TEST_F(MergeWindowTest, RefusesADragWithoutFiles) {
  MergeWindow window(folder_.path());
  QMimeData data;
  data.setText("/v/a.mp4");
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  enter.ignore();
  QApplication::sendEvent(&window, &enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST_F(MergeWindowTest, LaysOutItsControls) {
  MergeWindow window(folder_.path());
  window.show();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("合并视频文件:"));
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(50, 50));
  EXPECT_EQ(window.frameGeometry().size(), QSize(478, 243));
  EXPECT_EQ(window.parentWidget(), nullptr);
  EXPECT_TRUE(window.acceptDrops());

  EXPECT_EQ(window.fileList()->geometry(), QRect(8, 8, 456, 168));
  EXPECT_EQ(window.hint()->geometry(), QRect(8, 184, 296, 24));
  EXPECT_EQ(window.mergeButton()->geometry(), QRect(360, 184, 80, 24));
  EXPECT_EQ(window.hint()->text(), QStringLiteral("直接拖放文件即可"));
  EXPECT_EQ(window.mergeButton()->text(), QStringLiteral("合并"));
  EXPECT_FALSE(window.progressBar()->isVisible());

  QTreeWidget* list = window.fileList();
  ASSERT_EQ(list->columnCount(), 2);
  EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("ID"));
  EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("文件地址"));
  EXPECT_EQ(list->columnWidth(0), 50);
  EXPECT_EQ(list->columnWidth(1), 400);
  EXPECT_EQ(list->topLevelItemCount(), 0);
}

TEST_F(MergeWindowTest, DropsOfOneFileAtATimeAreNumberedInOrder) {
  MergeWindow window(folder_.path());
  window.show();
  for (const char* path : {"/v/c.mp4", "/v/a.mp4", "/v/b.mp4"}) Drop(window, {path});
  EXPECT_EQ(Rows(window), (std::vector<std::string>{"/v/c.mp4", "/v/a.mp4", "/v/b.mp4"}));
  EXPECT_EQ(window.fileList()->topLevelItem(2)->text(1), QStringLiteral("/v/b.mp4"));
  EXPECT_TRUE(ownedBoxes_.empty());
}

TEST_F(MergeWindowTest, ADropOfSeveralFilesMakesOneRowEach) {
  MergeWindow window(folder_.path());
  window.show();
  Drop(window, {"/v/1.flv", "/v/2.flv", "/v/3.flv"});
  Drop(window, {"/v/4.flv"});
  EXPECT_EQ(Rows(window), (std::vector<std::string>{"/v/1.flv", "/v/2.flv", "/v/3.flv", "/v/4.flv"}));
}

TEST_F(MergeWindowTest, NamesKeepTheirBytes) {
  MergeWindow window(folder_.path());
  window.show();
  // "视频 한국어.ts" (UTF-8), and a name that is no valid UTF-8.
  const std::string readable = "/v/\xE8\xA7\x86\xE9\xA2\x91 \xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4.ts";
  const std::string raw = "/v/\xFF\xFE.ts";
  QMimeData data;
  data.setData(QStringLiteral("text/uri-list"),
               "file:///v/%E8%A7%86%E9%A2%91%20%ED%95%9C%EA%B5%AD%EC%96%B4.ts\r\nfile:///v/%FF%FE.ts\r\n");
  Drop(window, data);
  ASSERT_EQ(Rows(window), (std::vector<std::string>{readable, raw}));
  EXPECT_EQ(window.fileList()->topLevelItem(0)->text(1), QStringLiteral("/v/视频 한국어.ts"));
}

TEST_F(MergeWindowTest, ShortcutsAreRefusedWithAMessageOwnedByTheWindow) {
  MergeWindow window(folder_.path());
  window.show();
  window.activateWindow();
  QApplication::processEvents();
  const struct {
    std::vector<std::string> drop;
    std::vector<std::string> rowsAfter;
    std::size_t messagesAfter;
  } steps[] = {
      {{"/d/video.lnk"}, {}, 1},
      {{"/d/video.LNK"}, {"/d/video.LNK"}, 1},
      {{"/d/a.mp4", "/d/b.lnk", "/d/c.lnk", "/d/d.mp4"}, {"/d/video.LNK", "/d/a.mp4", "/d/d.mp4"}, 2},
      {{"/d/e.mp4"}, {"/d/video.LNK", "/d/a.mp4", "/d/d.mp4", "/d/e.mp4"}, 2},
  };
  for (const auto& step : steps) {
    Drop(window, step.drop);
    EXPECT_EQ(Rows(window), step.rowsAfter) << step.drop.front();
    EXPECT_EQ(ownedBoxes_.size(), step.messagesAfter) << step.drop.front();
  }
  for (const OwnedBox& box : ownedBoxes_) {
    EXPECT_EQ(box.owner, &window);
    EXPECT_EQ(box.text, QStringLiteral("请不要拖放快捷方式！"));
    EXPECT_EQ(box.title, QStringLiteral("FileError"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MergeWindowTest, MergeWritesTheListedFilesInOrder) {
  const struct {
    std::vector<std::pair<std::string, std::string>> files;  // name, content
    std::string outputName;
    std::string content;
  } cases[] = {
      {{}, kMergedName, ""},
      {{{"one.mp4", "abc"}}, kMergedName, "abc"},
      {{{"one.mp4", "abc"}, {"two.flv", "defgh"}}, kMergedName + "flv", "abcdefgh"},
      {{{"a.b.mp4", "1"}, {"c.part.TS", std::string("\0\xff", 2)}, {"e", "3"}},
       kMergedName + "TS", std::string("1\0\xff" "3", 4)},
  };
  for (const auto& c : cases) {
    TestFolder run;
    MergeWindow window(run.path());
    std::vector<Path> paths;
    for (const auto& [name, content] : c.files) paths.push_back(folder_.Put(name, content));
    window.AddDroppedFiles(paths);
    messages_.clear();
    window.mergeButton()->click();
    WaitForMergeEnd(window);
    EXPECT_EQ(run.Names(), std::vector<std::string>{c.outputName}) << c.files.size();
    EXPECT_EQ(Content(run.In(c.outputName)), c.content) << c.files.size();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].message, QStringLiteral("已经合并视频到运行目录下，名称为【合并后的视频】"));
    EXPECT_EQ(messages_[0].caption, QStringLiteral("信息："));
    EXPECT_EQ(messages_[0].style, 0);
    // The list stays as it was; the output is not added.
    EXPECT_EQ(window.RowCount(), static_cast<int>(c.files.size()));
    EXPECT_EQ(window.mergeButton()->text(), QStringLiteral("合并"));
  }
}

TEST_F(MergeWindowTest, FailuresAreToldAndLeaveTheEarlierOutput) {
  const Path good = folder_.Put("good.mp4", "good");
  const struct {
    const char* name;
    std::vector<Path> inputs;
    Path runDirectory;
    int createError;
    QString message;
  } cases[] = {
      {"missing input", {good, folder_.In("gone.mp4")}, "", 0,
       "无法读取文件“" + QFile::decodeName(folder_.In("gone.mp4").c_str()) + "”：文件或文件夹不存在"},
      {"missing run directory", {good}, folder_.In("nowhere"), 0,
       "无法写入文件“" + QFile::decodeName((folder_.In("nowhere/") + kMergedName).c_str()) + "”：文件或文件夹不存在"},
      {"run directory not writable", {good}, "", -EACCES, QString()},
  };
  for (const auto& c : cases) {
    TestFolder run;
    const Path runDirectory = c.runDirectory.empty() ? run.path() : c.runDirectory;
    const Path earlier = run.Put(kMergedName + "mp4", "earlier");
    FaultyDisk disk;
    disk.createError = c.createError;
    MergeWindow window(runDirectory, disk);
    window.AddDroppedFiles(c.inputs);
    messages_.clear();
    window.MergeFiles();
    WaitForMergeEnd(window);
    ASSERT_EQ(messages_.size(), 1u) << c.name;
    if (!c.message.isEmpty()) {
      EXPECT_EQ(messages_[0].message, c.message) << c.name;
    }
    if (c.createError != 0) {
      EXPECT_EQ(messages_[0].message,
                "无法写入文件“" + QFile::decodeName(MergedFilePath(run.path(), c.inputs).c_str()) + "”：没有访问权限");
    }
    EXPECT_EQ(messages_[0].caption, QStringLiteral("合并失败")) << c.name;
    EXPECT_EQ(messages_[0].style, kErrorStyle) << c.name;
    EXPECT_EQ(Content(earlier), "earlier") << c.name;
    EXPECT_EQ(run.Names().size(), 1u) << c.name;
  }
}

TEST_F(MergeWindowTest, CancelledMergeLeavesNothingAndSaysNothing) {
  folder_.Put(kMergedName + "mp4", "earlier");
  Gate gate;
  FaultyDisk disk;
  disk.beforePiece = [&gate] { gate.Wait(); };
  MergeWindow window(folder_.path(), disk);
  window.show();
  const Path first = folder_.Put("a.mp4", "aaa");
  window.AddDroppedFiles({first, folder_.Put("b.mp4", "bbb")});
  messages_.clear();

  window.mergeButton()->click();
  EXPECT_TRUE(window.Merging());
  EXPECT_EQ(window.mergeButton()->text(), QStringLiteral("取消"));
  EXPECT_TRUE(window.progressBar()->isVisible());
  EXPECT_FALSE(window.hint()->isVisible());
  gate.WaitUntilSomeoneWaits();
  // The window answers while the merge runs: a drop is taken up.
  window.AddDroppedFiles({"/v/later.mp4"});
  EXPECT_EQ(window.RowCount(), 3);

  window.mergeButton()->click();
  gate.Open();
  WaitForMergeEnd(window);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(Content(folder_.In(kMergedName + "mp4")), "earlier");
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"a.mp4", "b.mp4", kMergedName + "mp4"}));
  EXPECT_EQ(window.mergeButton()->text(), QStringLiteral("合并"));
  EXPECT_FALSE(window.progressBar()->isVisible());
  EXPECT_TRUE(window.hint()->isVisible());
}

TEST_F(MergeWindowTest, ClosingTheWindowGivesUpTheMerge) {
  std::atomic<const MergeTask*> running{nullptr};
  FaultyDisk disk;
  // The first piece waits until the merge has been given up.
  disk.beforePiece = [&running] {
    while (running.load() == nullptr || !running.load()->CancelRequested()) std::this_thread::yield();
  };
  auto* window = new MergeWindow(folder_.path(), disk);
  window->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<MergeWindow> alive(window);
  window->show();
  window->AddDroppedFiles({folder_.Put("a.mp4", "aaa")});
  window->MergeFiles();
  running.store(window->runningMerge());
  window->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"a.mp4"}));
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
