// MainWindow: the address box, the analyze button, the results list with its
// popup menu, the ripple picture and the busy picture.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "analysis/address_rows.h"

class QLabel;
class QLineEdit;
class QMenu;
class QMovie;
class QPushButton;
class QTimer;
class QTreeWidget;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // `queryPrefix` is the service's query address that the encoded page
  // address is appended to.
  explicit MainWindow(std::string queryPrefix = std::string(kServiceQueryPrefix),
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs one analysis of the address box's text, from the query to the rows.
  // An empty box only shows a message. While it waits, the window's events run;
  // a newer analysis started meanwhile wins and this one's answer is dropped.
  void AnalyzeAddress();
  // Puts the selected row's address on the clipboard (an empty text when no
  // row is selected).
  void CopyAddress();
  // Opens the popup menu 3 pixels right of and below `globalPosition` and runs
  // the chosen item's command after the menu has closed.
  void ShowListMenu(const QPoint& globalPosition);

  // The commands of the menu's second and third items; the program sets them.
  void SetDownloadCommand(std::function<void()> command) { downloadCommand_ = std::move(command); }
  void SetMergeCommand(std::function<void()> command) { mergeCommand_ = std::move(command); }

  // 0-based index of the selected row; -1 when none.
  int SelectedRow() const;
  // The GBK text of a cell; empty outside the rows and columns.
  Text CellText(int row, int column) const;
  int RowCount() const;

  QLineEdit* addressBox() const { return addressBox_; }
  QPushButton* analyzeButton() const { return analyzeButton_; }
  QTreeWidget* resultsList() const { return resultsList_; }
  QLabel* ripplePicture() const { return ripplePicture_; }
  QLabel* busyPicture() const { return busyPicture_; }
  QLabel* usageNote() const { return usageNote_; }
  QLabel* forumLink() const { return forumLink_; }
  QMenu* listMenu() const { return listMenu_; }
  QTimer* trimTimer() const { return trimTimer_; }

 signals:
  // Emitted for every mouse move over the ripple picture, in its coordinates.
  void ripplePictureMouseMoved(int x, int y);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowRows(const PageRows& page);
  void SetBusy(bool busy);

  std::string queryPrefix_;
  unsigned analysisGeneration_ = 0;
  std::function<void()> downloadCommand_;
  std::function<void()> mergeCommand_;

  QLabel* ripplePicture_;
  QLabel* usageNote_;
  QLabel* forumLink_;
  QLineEdit* addressBox_;
  QPushButton* analyzeButton_;
  QTreeWidget* resultsList_;
  QLabel* busyPicture_;
  QMovie* busyMovie_;
  QTimer* trimTimer_;
  QMenu* listMenu_;
};
