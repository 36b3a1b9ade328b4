#include "app/owner_message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "app/merge_window.h"
#include "text/gbk_literal.h"

namespace {

struct PresentedBox {
  QWidget* owner = nullptr;
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  Qt::WindowModality modality = Qt::NonModal;
};

class OwnerMessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetOwnerBoxPresenter([this](QMessageBox& box) -> QAbstractButton* {
      boxes_.push_back({box.parentWidget(), box.text(), box.windowTitle(), box.icon(), box.standardButtons(),
                        box.windowModality()});
      return box.button(press_);
    });
  }
  void TearDown() override { SetOwnerBoxPresenter(nullptr); }

  // Makes the window the active one, as a click on it does.
  static void Activate(QWidget& window) {
    window.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &window);
  }

  std::vector<PresentedBox> boxes_;
  QMessageBox::StandardButton press_ = QMessageBox::Ok;
};

TEST_F(OwnerMessageBoxTest, OwnerIsTheProgramsWindowInFront) {
  MainWindow main;
  MergeWindow merge;
  main.show();
  merge.show();
  QApplication::processEvents();

  // The merge window, opened last, stands in front.
  EXPECT_EQ(OwnerMessageBox(Gbk("请不要拖放快捷方式！"), kErrorStyle, "FileError"), 0);
  Activate(main);
  EXPECT_EQ(OwnerMessageBox("second"), 0);
  Activate(merge);
  EXPECT_EQ(OwnerMessageBox("third"), 0);
  ASSERT_EQ(boxes_.size(), 3u);
  EXPECT_EQ(boxes_[0].owner, &merge);
  EXPECT_EQ(boxes_[1].owner, &main);
  EXPECT_EQ(boxes_[2].owner, &merge);

  EXPECT_EQ(boxes_[0].text, QStringLiteral("请不要拖放快捷方式！"));
  EXPECT_EQ(boxes_[0].title, QStringLiteral("FileError"));
  EXPECT_EQ(boxes_[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes_[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  // An owned box blocks its owner only.
  EXPECT_EQ(boxes_[0].modality, Qt::WindowModal);
  // The defaults: information icon, OK, "友情提醒".
  EXPECT_EQ(boxes_[1].icon, QMessageBox::Information);
  EXPECT_EQ(boxes_[1].title, QStringLiteral("友情提醒"));
}

TEST_F(OwnerMessageBoxTest, HiddenWindowsAreNeverOwners) {
  MainWindow main;
  main.show();
  {
    MergeWindow merge;
    merge.show();
    Activate(merge);
    merge.hide();
    EXPECT_EQ(OwnerMessageBox("behind a hidden window"), 0);
  }
  EXPECT_EQ(OwnerMessageBox("after the window went"), 0);
  main.hide();
  EXPECT_EQ(OwnerMessageBox("no window at all"), 0);
  ASSERT_EQ(boxes_.size(), 3u);
  EXPECT_EQ(boxes_[0].owner, &main);
  EXPECT_EQ(boxes_[1].owner, &main);
  EXPECT_EQ(boxes_[2].owner, nullptr);
  EXPECT_EQ(boxes_[2].modality, Qt::ApplicationModal);
}

TEST_F(OwnerMessageBoxTest, GivenOwnerWins) {
  MainWindow main;
  MergeWindow merge;
  main.show();
  merge.show();
  QApplication::processEvents();
  EXPECT_EQ(OwnerMessageBox("x", kInformationStyle, kFriendlyReminder, main.winId()), 0);
  EXPECT_EQ(OwnerMessageBox("x", kInformationStyle, kFriendlyReminder, WindowHandle{0}), 0);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].owner, &main);
  EXPECT_EQ(boxes_[1].owner, nullptr);
}

TEST_F(OwnerMessageBoxTest, ResultIsTheButtonCodeLessOne) {
  const struct {
    int style;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton pressed;
    int result;
  } cases[] = {
      {0, QMessageBox::Ok, QMessageBox::Ok, 0},
      {1, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, 1},
      {2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort, 2},
      {2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Retry, 3},
      {2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Ignore, 4},
      {3, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, 5},
      {4, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, 6},
      {5, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, 3},
      {0x24, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, 5},
      // Closed without a button.
      {4, QMessageBox::Yes | QMessageBox::No, QMessageBox::Ok, -1},
  };
  for (const auto& c : cases) {
    press_ = c.pressed;
    EXPECT_EQ(OwnerMessageBox("?", c.style), c.result) << c.style << " " << c.pressed;
    ASSERT_FALSE(boxes_.empty());
    EXPECT_EQ(boxes_.back().buttons, c.buttons) << c.style;
  }
  EXPECT_EQ(boxes_[8].icon, QMessageBox::Question);
}

TEST_F(OwnerMessageBoxTest, UnknownButtonSetCannotBeShown) {
  EXPECT_EQ(OwnerMessageBox("?", 6), -1);
  EXPECT_EQ(OwnerMessageBox("?", 0x4F), -1);
  EXPECT_TRUE(boxes_.empty());
}

}  // namespace
