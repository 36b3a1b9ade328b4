#include "app/download_progress.h"

#include <algorithm>

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace {

// "下载进度" in GBK.
constexpr std::string_view kTitle = "\xCF\xC2\xD4\xD8\xBD\xF8\xB6\xC8";
// "正在下载：" in GBK.
constexpr std::string_view kSavingTo = "\xD5\xFD\xD4\xDA\xCF\xC2\xD4\xD8\xA3\xBA";
// "已接收 " in GBK.
constexpr std::string_view kReceived = "\xD2\xD1\xBD\xD3\xCA\xD5 ";
// " 字节，共 " in GBK.
constexpr std::string_view kBytesOf = " \xD7\xD6\xBD\xDA\xA3\xAC\xB9\xB2 ";
// " 字节" in GBK.
constexpr std::string_view kBytes = " \xD7\xD6\xBD\xDA";
// "取消" in GBK.
constexpr std::string_view kCancel = "\xC8\xA1\xCF\xFB";
// "关闭" in GBK.
constexpr std::string_view kClose = "\xB9\xD8\xB1\xD5";
// "下载失败：" in GBK.
constexpr std::string_view kFailed = "\xCF\xC2\xD4\xD8\xCA\xA7\xB0\xDC\xA3\xBA";
// "下载已取消。" in GBK.
constexpr std::string_view kCancelled = "\xCF\xC2\xD4\xD8\xD2\xD1\xC8\xA1\xCF\xFB\xA1\xA3";

// True for the states a download does not leave by itself. An interrupted
// download counts as ended even when it could be resumed: nothing resumes it.
bool HasEnded(QWebEngineDownloadRequest::DownloadState state) {
  return state == QWebEngineDownloadRequest::DownloadCompleted ||
         state == QWebEngineDownloadRequest::DownloadCancelled ||
         state == QWebEngineDownloadRequest::DownloadInterrupted;
}

}  // namespace

DownloadProgress::DownloadProgress(QWebEngineDownloadRequest* request)
    : QWidget(nullptr), request_(request) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(FromGbk(kTitle));
  path_ = QDir(request->downloadDirectory()).filePath(request->downloadFileName());

  fileLabel_ = new QLabel(FromGbk(kSavingTo) + QDir::toNativeSeparators(path_), this);
  fileLabel_->setTextFormat(Qt::PlainText);
  fileLabel_->setWordWrap(true);
  bar_ = new QProgressBar(this);
  statusLabel_ = new QLabel(this);
  statusLabel_->setTextFormat(Qt::PlainText);
  statusLabel_->setWordWrap(true);
  button_ = new QPushButton(FromGbk(kCancel), this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(button_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileLabel_);
  layout->addWidget(bar_);
  layout->addWidget(statusLabel_);
  layout->addLayout(buttons);
  resize(360, sizeHint().height());

  connect(button_, &QPushButton::clicked, this, &DownloadProgress::OnButton);
  connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, this, &DownloadProgress::ShowProgress);
  connect(request, &QWebEngineDownloadRequest::totalBytesChanged, this, &DownloadProgress::ShowProgress);
  connect(request, &QWebEngineDownloadRequest::stateChanged, this, &DownloadProgress::OnFinished);
  connect(request, &QWebEngineDownloadRequest::isFinishedChanged, this, &DownloadProgress::OnFinished);
  ShowProgress();
  if (HasEnded(request->state())) {
    // Ended before this window could watch it; tell once the caller has it.
    QMetaObject::invokeMethod(this, &DownloadProgress::OnFinished, Qt::QueuedConnection);
  }
}

DownloadProgress::~DownloadProgress() = default;

QString DownloadProgress::statusText() const { return statusLabel_->text(); }

void DownloadProgress::ShowProgress() {
  if (request_ == nullptr || ended_) return;
  const qint64 received = request_->receivedBytes();
  const qint64 total = request_->totalBytes();
  if (total > 0) {
    bar_->setRange(0, 1000);
    bar_->setValue(static_cast<int>(std::min<qint64>(received, total) * 1000 / total));
    statusLabel_->setText(FromGbk(kReceived) + QString::number(received) + FromGbk(kBytesOf) +
                          QString::number(total) + FromGbk(kBytes));
  } else {
    bar_->setRange(0, 0);  // size unknown: a busy bar
    statusLabel_->setText(FromGbk(kReceived) + QString::number(received) + FromGbk(kBytes));
  }
}

void DownloadProgress::OnFinished() {
  if (request_ == nullptr || ended_ || !HasEnded(request_->state())) return;
  ShowProgress();
  ended_ = true;
  const QWebEngineDownloadRequest::DownloadState state = request_->state();
  const QString reason = request_->interruptReasonString();
  // A resumable interruption keeps its partial file; drop it.
  if (state == QWebEngineDownloadRequest::DownloadInterrupted && !request_->isFinished()) request_->cancel();
  if (state == QWebEngineDownloadRequest::DownloadCompleted) {
    bar_->setRange(0, 1000);
    bar_->setValue(1000);
  } else if (state == QWebEngineDownloadRequest::DownloadCancelled) {
    statusLabel_->setText(FromGbk(kCancelled));
  } else {
    statusLabel_->setText(FromGbk(kFailed) + reason);
  }
  button_->setText(FromGbk(kClose));
  emit ended(state);
  if (state == QWebEngineDownloadRequest::DownloadCompleted || cancelledHere_) close();
}

void DownloadProgress::OnButton() {
  if (ended_ || request_ == nullptr) {
    close();
    return;
  }
  cancelledHere_ = true;
  request_->cancel();
}
