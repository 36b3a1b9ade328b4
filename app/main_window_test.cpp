#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "analysis/fake_service.h"
#include "app/qt_text.h"
#include "app/qt_ui_services.h"
#include "text/gbk_literal.h"

namespace {

struct ShownMessage {
  QString message;
  QString caption;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services_.SetMessageHook([this](const QString& message, const QString& caption, int) {
      messages_.push_back({message, caption});
    });
    InstallUiServices(&services_);
  }
  void TearDown() override { InstallUiServices(nullptr); }

  static std::string Page(const std::string& title, const std::vector<std::string>& links) {
    std::string page = "document.title = \"" + title + "- FLVCD" + Gbk("硕鼠官网") + "|FLV" + Gbk("下载") + "\";\n";
    for (const std::string& link : links) page += "<a href=\"" + link + "\" target=\"_blank\">x</a>\n";
    return page;
  }

  QtUiServices services_;
  std::vector<ShownMessage> messages_;
};

TEST_F(MainWindowTest, LaysOutItsControls) {
  MainWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Polvane,    Merrowin"));
  window.show();
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(50, 50));
  EXPECT_EQ(window.frameGeometry().size(), QSize(853, 240));

  const struct {
    QWidget* control;
    QRect geometry;
  } places[] = {
      {window.ripplePicture(), QRect(8, 8, 172, 193)},   {window.usageNote(), QRect(192, 8, 568, 16)},
      {window.forumLink(), QRect(755, 7, 72, 16)},       {window.addressBox(), QRect(192, 28, 520, 24)},
      {window.analyzeButton(), QRect(717, 28, 112, 24)}, {window.resultsList(), QRect(192, 56, 637, 144)},
      {window.busyPicture(), QRect(355, 95, 280, 16)},
  };
  for (const auto& place : places) {
    EXPECT_EQ(place.control->geometry(), place.geometry) << place.control->objectName().toStdString();
  }
  EXPECT_EQ(window.analyzeButton()->text(), QStringLiteral("分析"));
  EXPECT_TRUE(window.usageNote()->text().startsWith(QStringLiteral("使用说明：右键即可复制下载地址")));
  EXPECT_TRUE(window.addressBox()->text().isEmpty());
  EXPECT_FALSE(window.busyPicture()->isVisible());
  EXPECT_EQ(window.ripplePicture()->pixmap().size(), QSize(174, 193));

  QTreeWidget* list = window.resultsList();
  EXPECT_EQ(list->topLevelItemCount(), 0);
  ASSERT_EQ(list->columnCount(), 3);
  const QStringList headings = {QStringLiteral("ID"), QStringLiteral("文件名"), QStringLiteral("下载地址")};
  const int widths[] = {30, 100, 500};
  for (int column = 0; column < 3; ++column) {
    EXPECT_EQ(list->headerItem()->text(column), headings[column]);
    EXPECT_EQ(list->columnWidth(column), widths[column]);
  }
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_FALSE(list->isSortingEnabled());

  EXPECT_TRUE(window.trimTimer()->isActive());
  EXPECT_EQ(window.trimTimer()->interval(), 5);
  const QList<QAction*> items = window.listMenu()->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), QStringLiteral("复制下载地址"));
  EXPECT_EQ(items[1]->text(), QStringLiteral("下载视频"));
  EXPECT_EQ(items[2]->text(), QStringLiteral("合并视频"));
  EXPECT_EQ(window.listMenu()->title(), QStringLiteral("右键菜单"));
}

TEST_F(MainWindowTest, EmptyAddressOnlyShowsAMessage) {
  MainWindow window;
  window.setWindowTitle(QStringLiteral("before"));
  window.AnalyzeAddress();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].message, QStringLiteral("请输入地址哦"));
  EXPECT_EQ(messages_[0].caption, QStringLiteral("信息："));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("before"));
  EXPECT_FALSE(window.busyPicture()->isVisible());
}

TEST_F(MainWindowTest, AnalysisFillsTheListAndCaption) {
  FakeService service;
  service.SetPage(Page(Gbk("视频标题 "), {"http://a/1.flv", "http://flvcd/x", "http://a/2.flv"}));
  MainWindow window(service.queryPrefix());
  window.show();
  window.addressBox()->setText(QStringLiteral("http://v/页"));
  window.analyzeButton()->click();
  ASSERT_EQ(window.RowCount(), 2);
  EXPECT_EQ(window.CellText(0, 0), "1");
  EXPECT_EQ(window.CellText(1, 0), "2");
  EXPECT_EQ(window.CellText(1, 1), Gbk("视频标题 "));
  EXPECT_EQ(window.CellText(1, 2), "http://a/2.flv");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("视频标题 "));
  EXPECT_FALSE(window.busyPicture()->isVisible());
  ASSERT_EQ(service.targets().size(), 1u);
  EXPECT_EQ(service.targets()[0], "/parse.php?flag=&format=&kw=%68%74%74%70%3A%2F%2F%76%2F%D2%B3");
  EXPECT_TRUE(messages_.empty());

  // A second analysis replaces the rows, numbering from 1 again.
  service.SetPage(Page("t", {"http://b/1"}));
  window.analyzeButton()->click();
  ASSERT_EQ(window.RowCount(), 1);
  EXPECT_EQ(window.CellText(0, 2), "http://b/1");
}

TEST_F(MainWindowTest, NewestAnalysisWins) {
  FakeService service;
  service.SetPage(Page("old", {"http://old/1", "http://old/2"}));
  service.SetDelay("%73%6C%6F%77", 700);  // the address "slow"
  MainWindow window(service.queryPrefix());
  window.show();
  window.addressBox()->setText(QStringLiteral("slow"));
  QTimer::singleShot(150, &window, [&] {
    service.SetPage(Page("new", {"http://new/1"}));
    window.addressBox()->setText(QStringLiteral("fast"));
    window.AnalyzeAddress();
  });
  window.AnalyzeAddress();
  ASSERT_EQ(window.RowCount(), 1);
  EXPECT_EQ(window.CellText(0, 2), "http://new/1");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("new"));
  EXPECT_FALSE(window.busyPicture()->isVisible());
  EXPECT_EQ(service.targets().size(), 2u);
}

TEST_F(MainWindowTest, CopyAddressTakesTheSelectedRow) {
  FakeService service;
  service.SetPage(Page("t", {"http://a/1", "http://a/2"}));
  MainWindow window(service.queryPrefix());
  window.addressBox()->setText(QStringLiteral("x"));
  window.AnalyzeAddress();
  ASSERT_EQ(window.RowCount(), 2);

  QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
  window.CopyAddress();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());

  window.resultsList()->setCurrentItem(window.resultsList()->topLevelItem(1));
  EXPECT_EQ(window.SelectedRow(), 1);
  window.CopyAddress();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://a/2"));
}

TEST_F(MainWindowTest, MenuOpensBesideThePointerAndRunsTheChosenCommand) {
  MainWindow window;
  window.show();
  int merges = 0;
  window.SetMergeCommand([&] { ++merges; });
  const QPoint pointer = window.resultsList()->viewport()->mapToGlobal(QPoint(40, 60));
  QPoint openedAt;
  QTimer::singleShot(50, &window, [&] {
    openedAt = window.listMenu()->pos();
    window.listMenu()->actions()[2]->trigger();
    window.listMenu()->close();
  });
  window.ShowListMenu(pointer);
  EXPECT_EQ(openedAt, pointer + QPoint(3, 3));
  EXPECT_EQ(merges, 1);
}

}  // namespace
