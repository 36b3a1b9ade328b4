// What the download tests share: waiting for the browser, a loopback server
// with the answers the tests need, and a fixture that catches messages.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QString>
#include <QWidget>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "app/download_session.h"
#include "app/qt_ui_services.h"
#include "fetch/test_http_server.h"
#include "ripple/wait_for_events.h"


// Closes `window` from inside the event loop, as a user's click would; a
// window that deletes itself on close then goes at once.
void CloseLikeTheUser(QWidget* window);

// Clicks `button` from inside the event loop, as a user would.
void ClickLikeTheUser(QAbstractButton* button);

// The bytes that "/clip.flv" answers with: every byte value, zero included.
std::string ClipBytes();

// A loopback HTTP server that answers:
//   /page             a small HTML page
//   /clip.flv         ClipBytes() as an attachment named "clip.flv"
//   /held.flv         an attachment whose first 4096 of 1000000 bytes are
//                     sent, then nothing more until the client closes
//   /broken.flv       an attachment cut off by a reset after 4096 bytes
//   /hold...          nothing at all: the connection stays open, unanswered
//   anything else     404
TestHttpServer::Handler DownloadTestHandler();

class DownloadTest : public ::testing::Test {
 protected:
  DownloadTest();
  ~DownloadTest() override;

  // Records each message in messages_, as the program's message box would
  // show it.
  DownloadMessageFunction RecordMessages();

  // The server's address followed by `path`, as GBK text (plain ASCII).
  std::string Address(const std::string& path) const { return server_.base() + path; }

  QtUiServices services_;
  std::vector<QString> messages_;  // every message shown, in order
  TestHttpServer server_;
  QTemporaryDir folder_;           // where the tests save downloads
};
