// A small window of its own that follows one download of the browser: the
// file's path, a bar, the bytes received and a button to cancel.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <QWebEngineDownloadRequest>

class QLabel;
class QProgressBar;
class QPushButton;

class DownloadProgress : public QWidget {
  Q_OBJECT

 public:
  // Follows `request`, which the browser's profile owns; the window forgets it
  // when the profile deletes it. The window has no owner and deletes itself
  // when closed. It closes itself when the download completes or when the
  // user cancels it with its button; a download that fails, or is cancelled
  // from elsewhere, is said so in the window, which then stays until closed.
  explicit DownloadProgress(QWebEngineDownloadRequest* request);
  ~DownloadProgress() override;

  // The full path that the download is saved to.
  QString path() const { return path_; }
  // The line under the bar: bytes received so far, or how the download ended.
  QString statusText() const;
  // True once the download has completed, failed or been cancelled.
  bool hasEnded() const { return ended_; }

  QProgressBar* bar() const { return bar_; }
  QPushButton* button() const { return button_; }

 signals:
  // The download has ended in `state` (completed, cancelled or interrupted).
  void ended(QWebEngineDownloadRequest::DownloadState state);

 private:
  void ShowProgress();
  void OnFinished();
  void OnButton();

  QPointer<QWebEngineDownloadRequest> request_;
  QString path_;
  bool ended_ = false;
  bool cancelledHere_ = false;
  QLabel* fileLabel_;
  QProgressBar* bar_;
  QLabel* statusLabel_;
  QPushButton* button_;
};
