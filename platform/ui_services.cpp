#include "platform/ui_services.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>

#include "text/code_page.h"

namespace {

// Services for a process without windows.
class HeadlessServices : public UiServices {
 public:
  void ProcessEvents() override {}

  void WaitForEvents(int timeoutMs) override {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return woken_; });
    woken_ = false;
  }

  void Wake() override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      woken_ = true;
    }
    wake_.notify_all();
  }

  bool SetClipboardText(std::string_view) override { return false; }

  void ShowMessage(std::string_view gbkMessage, int, std::string_view gbkCaption) override {
    std::string caption = EncodeText(DecodeText(gbkCaption, kGbkCodePage), kUtf8CodePage);
    std::string message = EncodeText(DecodeText(gbkMessage, kGbkCodePage), kUtf8CodePage);
    std::fprintf(stderr, "%s %s\n", caption.c_str(), message.c_str());
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool woken_ = false;
};

HeadlessServices headless;
UiServices* installed = nullptr;

}  // namespace

UiServices& Ui() { return installed != nullptr ? *installed : headless; }

void InstallUiServices(UiServices* services) { installed = services; }
