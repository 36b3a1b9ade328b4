#include "app/merge_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include "app/outer_geometry.h"
#include "app/owner_message_box.h"
#include "merge/merge_message.h"
#include "merge/merged_name.h"
#include "merge/uri_list.h"
#include "platform/ui_services.h"

namespace {

// "请不要拖放快捷方式！" in GBK.
constexpr std::string_view kShortcutMessage = "\xC7\xEB\xB2\xBB\xD2\xAA\xCD\xCF\xB7\xC5\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD\xA3\xA1";
constexpr std::string_view kShortcutTitle = "FileError";
// "合并失败" in GBK.
constexpr std::string_view kFailureCaption = "\xBA\xCF\xB2\xA2\xCA\xA7\xB0\xDC";

constexpr std::string_view kUriListType = "text/uri-list";
constexpr int kPathRole = Qt::UserRole;
constexpr int kPollPeriodMs = 50;
constexpr int kOuterLeft = 50;
constexpr int kOuterTop = 50;
constexpr int kOuterWidth = 478;
constexpr int kOuterHeight = 243;

QByteArray PathBytes(const Path& path) { return QByteArray(path.data(), static_cast<qsizetype>(path.size())); }

}  // namespace

std::vector<Path> DroppedPaths(const QMimeData& data) {
  // The list's own bytes keep names that are no valid text in any encoding.
  const QString uriListType = QString::fromLatin1(kUriListType.data(), kUriListType.size());
  if (data.hasFormat(uriListType)) {
    const QByteArray list = data.data(uriListType);
    std::vector<Path> paths = LocalPathsFromUriList(std::string_view(list.constData(), list.size()));
    if (!paths.empty()) return paths;
  }
  std::vector<Path> paths;
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) continue;
    const QByteArray path = QFile::encodeName(url.toLocalFile());
    if (!path.isEmpty()) paths.emplace_back(path.constData(), path.size());
  }
  return paths;
}

MergeWindow::MergeWindow(Path outputDirectory, MergeDisk& disk)
    : QWidget(nullptr), outputDirectory_(std::move(outputDirectory)), disk_(disk) {
  setWindowTitle(QStringLiteral("合并视频文件:"));
  OuterGeometryKeeper::Keep(this, QRect(kOuterLeft, kOuterTop, kOuterWidth, kOuterHeight));
  // `拖放对象1`: files dropped anywhere on the window reach dropEvent.
  setAcceptDrops(true);

  fileList_ = new QTreeWidget(this);
  fileList_->setObjectName(QStringLiteral("超级列表框1"));
  fileList_->setGeometry(8, 8, 456, 168);
  fileList_->setColumnCount(2);
  fileList_->setHeaderLabels({QStringLiteral("ID"), QStringLiteral("文件地址")});
  fileList_->setColumnWidth(0, 50);
  fileList_->setColumnWidth(1, 400);
  fileList_->setRootIsDecorated(false);
  fileList_->setItemsExpandable(false);
  fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
  fileList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  fileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fileList_->setSortingEnabled(false);
  fileList_->setUniformRowHeights(true);
  fileList_->header()->setSectionsMovable(false);
  fileList_->header()->setStretchLastSection(false);

  hint_ = new QLabel(QStringLiteral("直接拖放文件即可"), this);
  hint_->setObjectName(QStringLiteral("标签2"));
  hint_->setGeometry(8, 184, 296, 24);

  // Stands where the hint is while a merge runs.
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("进度条1"));
  progressBar_->setGeometry(8, 184, 296, 24);
  progressBar_->setRange(0, 1000);
  progressBar_->hide();

  mergeButton_ = new QPushButton(QStringLiteral("合并"), this);
  mergeButton_->setObjectName(QStringLiteral("按钮1"));
  mergeButton_->setGeometry(360, 184, 80, 24);
  connect(mergeButton_, &QPushButton::clicked, this, [this] {
    if (Merging()) {
      CancelMerge();
    } else {
      MergeFiles();
    }
  });

  pollTimer_ = new QTimer(this);
  pollTimer_->setInterval(kPollPeriodMs);
  connect(pollTimer_, &QTimer::timeout, this, [this] { PollMerge(); });
}

MergeWindow::~MergeWindow() { task_.reset(); }

void MergeWindow::AddDroppedFiles(const std::vector<Path>& dropped) {
  const int firstNew = list_.Count();
  const int shortcuts = list_.AddDropped(dropped);
  for (int row = firstNew; row < list_.Count(); ++row) {
    const Path& path = list_.Rows()[static_cast<std::size_t>(row)];
    auto* item = new QTreeWidgetItem(fileList_);
    item->setText(0, QString::number(row + 1));
    item->setText(1, QFile::decodeName(PathBytes(path)));
    item->setData(1, kPathRole, PathBytes(path));
  }
  if (shortcuts > 0) OwnerMessageBox(kShortcutMessage, kErrorStyle, kShortcutTitle);
}

void MergeWindow::MergeFiles() {
  if (Merging()) return;
  const std::vector<Path>& rows = list_.Rows();
  task_ = std::make_unique<MergeTask>(rows, MergedFilePath(outputDirectory_, rows), disk_);
  ShowMerging(true);
}

void MergeWindow::CancelMerge() {
  if (task_ != nullptr) task_->Cancel();
}

void MergeWindow::PollMerge() {
  if (task_ == nullptr) return;
  progressBar_->setValue(task_->Permille());
  if (!task_->Finished()) return;
  const MergeResult result = task_->Wait();
  task_.reset();
  ShowMerging(false);
  switch (result.status) {
    case MergeStatus::kMerged: ShowMessage(MergedMessage()); break;
    case MergeStatus::kCancelled: break;
    case MergeStatus::kReadFailed:
    case MergeStatus::kWriteFailed: ShowMessage(MergeFailureMessage(result), kErrorStyle, kFailureCaption); break;
  }
  emit mergeEnded(result.status);
}

void MergeWindow::ShowMerging(bool merging) {
  hint_->setVisible(!merging);
  progressBar_->setValue(0);
  progressBar_->setVisible(merging);
  mergeButton_->setText(merging ? QStringLiteral("取消") : QStringLiteral("合并"));
  if (merging) {
    pollTimer_->start();
  } else {
    pollTimer_->stop();
  }
}

Path MergeWindow::RowPath(int row) const {
  if (row < 0 || row >= fileList_->topLevelItemCount()) return Path();
  return fileList_->topLevelItem(row)->data(1, kPathRole).toByteArray().toStdString();
}

int MergeWindow::RowCount() const { return fileList_->topLevelItemCount(); }

void MergeWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData() != nullptr && !DroppedPaths(*event->mimeData()).empty()) event->acceptProposedAction();
}

void MergeWindow::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void MergeWindow::dropEvent(QDropEvent* event) {
  if (event->mimeData() == nullptr) return;
  std::vector<Path> dropped = DroppedPaths(*event->mimeData());
  if (dropped.empty()) return;
  event->acceptProposedAction();
  // The drag's source waits until the drop returns: a message box about a
  // shortcut must not hold it, so the files are taken up just after.
  QMetaObject::invokeMethod(this, [this, dropped = std::move(dropped)] { AddDroppedFiles(dropped); },
                            Qt::QueuedConnection);
}

void MergeWindow::closeEvent(QCloseEvent* event) {
  // Closing gives up a running merge; nothing of it stays behind.
  task_.reset();
  ShowMerging(false);
  QWidget::closeEvent(event);
}

