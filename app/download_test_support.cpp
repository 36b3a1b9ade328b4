#include "app/download_test_support.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "app/qt_text.h"
#include "platform/ui_services.h"

void CloseLikeTheUser(QWidget* window) {
  QTimer::singleShot(0, window, &QWidget::close);
  QPointer<QWidget> guard(window);
  WaitFor([&] { return guard == nullptr || !guard->isVisible(); });
}

void ClickLikeTheUser(QAbstractButton* button) {
  bool clicked = false;
  QTimer::singleShot(0, button, [&] {
    button->click();
    clicked = true;
  });
  WaitFor([&] { return clicked; });
}

std::string ClipBytes() {
  std::string bytes;
  for (int round = 0; round < 1000; ++round) {
    for (int value = 0; value < 256; ++value) bytes.push_back(static_cast<char>((value + round) & 0xFF));
  }
  return bytes;
}

namespace {

constexpr std::string_view kAttachmentHead =
    "HTTP/1.1 200 OK\r\n"
    "Content-Type: application/octet-stream\r\n"
    "Content-Length: 1000000\r\n"
    "Connection: close\r\n";

}  // namespace

TestHttpServer::Handler DownloadTestHandler() {
  return [](const TestHttpServer::Request& request) {
    TestHttpServer::Reply reply;
    const std::string& target = request.target;
    if (target == "/page") {
      reply.bytes = HttpAnswer(200, "OK", "Content-Type: text/html\r\n",
                               "<html><head><title>t</title></head><body>page</body></html>");
    } else if (target == "/clip.flv") {
      reply.bytes = HttpAnswer(200, "OK",
                               "Content-Type: application/octet-stream\r\n"
                               "Content-Disposition: attachment; filename=\"clip.flv\"\r\n",
                               ClipBytes());
    } else if (target == "/held.flv" || target == "/broken.flv") {
      reply.bytes = std::string(kAttachmentHead) + "Content-Disposition: attachment; filename=\"" +
                    target.substr(1) + "\"\r\n\r\n" + std::string(4096, 'x');
      reply.end = target == "/held.flv" ? TestHttpServer::Reply::End::kHold
                                        : TestHttpServer::Reply::End::kReset;
    } else if (target.rfind("/hold", 0) == 0) {
      reply.end = TestHttpServer::Reply::End::kHold;
    } else {
      reply.bytes = HttpAnswer(404, "Not Found", "Content-Type: text/plain\r\n", "none");
    }
    return reply;
  };
}

DownloadTest::DownloadTest() : server_(DownloadTestHandler()) {
  services_.SetMessageHook([this](const QString& message, const QString&, int) { messages_.push_back(message); });
  InstallUiServices(&services_);
}

DownloadTest::~DownloadTest() { InstallUiServices(nullptr); }

DownloadMessageFunction DownloadTest::RecordMessages() {
  return [this](std::string_view gbkMessage, int) { messages_.push_back(FromGbk(gbkMessage)); };
}
