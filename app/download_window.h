// DownloadWindow: nothing but an embedded browser that loads one address and
// closes the window as soon as that loading has come to an end, whatever its
// outcome. A file that the address answers with is saved by DownloadSaver.
#pragma once

#include <QWidget>
#include <string_view>

#include "app/download_session.h"

class DownloadSaver;
class QWebEngineView;

// True when the browser may be sent to the GBK address: an empty address, or
// one whose scheme is http, https or ftp, in any case. False for every other
// scheme (javascript:, file:, data:, ...) and for an address without one.
bool IsAllowedDownloadAddress(std::string_view gbkAddress);

class DownloadWindow : public QWidget {
  Q_OBJECT

 public:
  // The browser starts with no address and uses the profile of `saver`,
  // which is not owned and must outlive the window. `showMessage` tells of a
  // refused address. The window has no owner and deletes itself when closed.
  explicit DownloadWindow(DownloadSaver* saver, DownloadMessageFunction showMessage);
  // When the loading ended by turning into a download, the browser's page
  // goes to the saver so that the download can still be handed over.
  ~DownloadWindow() override;

  // Sends the browser to the GBK address (an empty one too); the browser
  // begins to load it at once. A refused address (see
  // IsAllowedDownloadAddress) is not loaded: a message says so, the window's
  // destruction is queued, and the result is false.
  bool ShowDownloadAddress(std::string_view gbkAddress);

  // The embedded browser, `超文本浏览框1`.
  QWebEngineView* browser() const { return browser_; }

 signals:
  // The browser's loading has ended (ok: whether it showed a page); the
  // window's destruction has been queued.
  void loadEnded(bool ok);

 private:
  void CloseDownloadWindow(bool ok);

  DownloadSaver* saver_;
  DownloadMessageFunction showMessage_;
  QWebEngineView* browser_;
  bool closing_ = false;
  // The last loading ended without a page and without an error: a file
  // download may follow.
  bool mayBecomeDownload_ = false;
};
