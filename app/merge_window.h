// MergeWindow: files dropped on it are listed, and "合并" joins them end to
// end into one file in the program's directory.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "merge/merge_disk.h"
#include "merge/merge_list.h"
#include "merge/merge_task.h"

class QLabel;
class QMimeData;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

// The local file paths a drop carries, in the order it lists them, in the
// system's encoding; none when it carries no local file.
std::vector<Path> DroppedPaths(const QMimeData& data);

class MergeWindow : public QWidget {
  Q_OBJECT

 public:
  // The merged file goes into `outputDirectory`; files are read and written
  // through `disk`, which is not owned and must outlive the window. The
  // window has no owner.
  explicit MergeWindow(Path outputDirectory = RunDirectory(), MergeDisk& disk = SystemDisk());
  // Cancels a merge still running and waits for it to stop.
  ~MergeWindow() override;

  // Appends one row per dropped path, in the order given. Shortcuts (names
  // ending in ".lnk") are left out, and a message owned by the program's
  // front window says so, once per drop.
  void AddDroppedFiles(const std::vector<Path>& dropped);

  // Starts joining the listed files, in list order, into MergedFilePath in
  // the output directory. While that runs, the bar shows how far it is and
  // the button cancels it; the window stays responsive. At the end a message
  // says it worked or which file failed and why; a cancelled merge leaves no
  // file and says nothing. Does nothing while a merge runs.
  void MergeFiles();
  // Stops a running merge; the output is left as it was before.
  void CancelMerge();
  // True from MergeFiles until the merge's end has been told.
  bool Merging() const { return task_ != nullptr; }
  // The merge under way; null when none runs. For watching it only.
  const MergeTask* runningMerge() const { return task_.get(); }

  // The path listed in the row (0-based) in the system's encoding; empty
  // outside the rows.
  Path RowPath(int row) const;
  // The number of rows listed.
  int RowCount() const;

  // The controls: `超级列表框1`, `标签2`, `按钮1`, and the progress bar that
  // stands in the hint's place while a merge runs.
  QTreeWidget* fileList() const { return fileList_; }
  QLabel* hint() const { return hint_; }
  QPushButton* mergeButton() const { return mergeButton_; }
  QProgressBar* progressBar() const { return progressBar_; }

 signals:
  // A merge has ended and its message, if any, has been shown.
  void mergeEnded(MergeStatus status);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PollMerge();
  void ShowMerging(bool merging);

  const Path outputDirectory_;
  MergeDisk& disk_;
  MergeList list_;
  std::unique_ptr<MergeTask> task_;

  QTreeWidget* fileList_;
  QLabel* hint_;
  QPushButton* mergeButton_;
  QProgressBar* progressBar_;
  QTimer* pollTimer_;
};
