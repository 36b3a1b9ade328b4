#include "app/download_window.h"

#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/download_saver.h"
#include "app/outer_geometry.h"
#include "app/qt_text.h"

namespace {

// "下载完毕之后请关闭此窗口" in GBK.
constexpr std::string_view kTitle =
    "\xCF\xC2\xD4\xD8\xCD\xEA\xB1\xCF\xD6\xAE\xBA\xF3\xC7\xEB\xB9\xD8\xB1\xD5\xB4\xCB\xB4\xB0\xBF\xDA";
// "这个地址不能下载：只接受以 http://、https:// 或 ftp:// 开头的地址。\r\n" in GBK;
// the refused address follows it.
constexpr std::string_view kRefusedMessage =
    "\xD5\xE2\xB8\xF6\xB5\xD8\xD6\xB7\xB2\xBB\xC4\xDC\xCF\xC2\xD4\xD8\xA3\xBA\xD6\xBB\xBD\xD3\xCA\xDC"
    "\xD2\xD4 http://\xA1\xA2https:// \xBB\xF2 ftp:// \xBF\xAA\xCD\xB7\xB5\xC4\xB5\xD8\xD6\xB7\xA1\xA3\r\n";
// A message box with a warning icon.
constexpr int kWarningStyle = 0x30;

constexpr int kOuterLeft = 50;
constexpr int kOuterTop = 50;
constexpr int kOuterWidth = 431;
constexpr int kOuterHeight = 246;

// The address as the browser takes it.
QUrl AddressUrl(std::string_view gbkAddress) { return QUrl(FromGbk(gbkAddress), QUrl::TolerantMode); }

}  // namespace

bool IsAllowedDownloadAddress(std::string_view gbkAddress) {
  if (gbkAddress.empty()) return true;
  const QString scheme = AddressUrl(gbkAddress).scheme().toLower();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
         scheme == QLatin1String("ftp");
}

DownloadWindow::DownloadWindow(DownloadSaver* saver, DownloadMessageFunction showMessage)
    : QWidget(nullptr), saver_(saver), showMessage_(std::move(showMessage)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(FromGbk(kTitle));
  OuterGeometryKeeper::Keep(this, QRect(kOuterLeft, kOuterTop, kOuterWidth, kOuterHeight));

  browser_ = new QWebEngineView(this);
  browser_->setObjectName(QStringLiteral("超文本浏览框1"));
  auto* page = new QWebEnginePage(saver->profile(), browser_);
  browser_->setPage(page);
  browser_->setGeometry(8, 8, 408, 200);
  connect(browser_, &QWebEngineView::loadFinished, this, &DownloadWindow::CloseDownloadWindow);
  // An address that answers with a file ends its loading as stopped, before
  // the browser hands the file over as a download.
  connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) mayBecomeDownload_ = true;
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
        info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
      mayBecomeDownload_ = false;
    }
  });
}

DownloadWindow::~DownloadWindow() {
  if (mayBecomeDownload_) saver_->AdoptPage(browser_->page());
}

bool DownloadWindow::ShowDownloadAddress(std::string_view gbkAddress) {
  if (!IsAllowedDownloadAddress(gbkAddress)) {
    if (showMessage_) showMessage_(std::string(kRefusedMessage) + std::string(gbkAddress), kWarningStyle);
    closing_ = true;
    deleteLater();
    return false;
  }
  browser_->setUrl(AddressUrl(gbkAddress));
  return true;
}

void DownloadWindow::CloseDownloadWindow(bool ok) {
  // Only the first end counts. The window goes once this notification has
  // returned, not inside it.
  if (closing_) return;
  closing_ = true;
  if (!ok) mayBecomeDownload_ = true;  // until told otherwise
  deleteLater();
  emit loadEnded(ok);
}

