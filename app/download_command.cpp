#include "app/download_command.h"

#include <QDir>

#include "app/bring_to_front.h"
#include "app/download_module.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "platform/ui_services.h"

namespace {

// The results list's address column, "下载地址".
constexpr int kAddressColumn = 2;

// "下载模块无法加载：" in GBK; the module's path and the reason follow.
constexpr std::string_view kModuleMissing = "\xCF\xC2\xD4\xD8\xC4\xA3\xBF\xE9\xCE\xDE\xB7\xA8\xBC\xD3\xD4\xD8\xA3\xBA";
// A message box with an error icon.
constexpr int kErrorStyle = 0x10;

}  // namespace

Text SelectedAddress(const MainWindow& window) {
  const int row = window.SelectedRow();
  return row < 0 ? Text() : window.CellText(row, kAddressColumn);
}

std::unique_ptr<DownloadSession> LoadDownloadModule(const DownloadHost& host) {
  const QString path = DownloadModulePath();
  std::string reason;
  std::unique_ptr<DownloadSession> session = LoadDownloadSession(host, path, &reason);
  if (session == nullptr) {
    ShowMessage(Text(kModuleMissing) + ToGbk(QDir::toNativeSeparators(path)) + "\r\n" + reason, kErrorStyle);
  }
  return session;
}

DownloadCommand::DownloadCommand(std::function<Text()> selectedAddress, SavePathChooser chooser,
                                 DownloadSessionFactory factory)
    : selectedAddress_(std::move(selectedAddress)), factory_(std::move(factory)) {
  host_.showMessage = [](std::string_view gbkMessage, int style) { ShowMessage(gbkMessage, style); };
  host_.choosePath = std::move(chooser);
}

DownloadCommand::~DownloadCommand() {
  // The window first: the session's browser profile must outlive its pages.
  delete window_.data();
  session_.reset();
}

void DownloadCommand::Open() {
  if (window_ != nullptr) {
    BringToFront(window_);
    return;
  }
  if (session_ == nullptr && factory_) session_ = factory_(host_);
  if (session_ == nullptr) return;
  const Text address = selectedAddress_ ? selectedAddress_() : Text();
  window_ = session_->OpenWindow(address);
}
