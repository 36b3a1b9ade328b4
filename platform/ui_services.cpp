#include "platform/ui_services.h"

#include <chrono>
#include <cstdio>

#include "text/code_page.h"

void HeadlessUiServices::WaitForEvents(int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return woken_; });
  woken_ = false;
}

void HeadlessUiServices::Wake() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    woken_ = true;
  }
  wake_.notify_all();
}

void HeadlessUiServices::ShowMessage(std::string_view gbkMessage, int, std::string_view gbkCaption) {
  std::string caption = EncodeText(DecodeText(gbkCaption, kGbkCodePage), kUtf8CodePage);
  std::string message = EncodeText(DecodeText(gbkMessage, kGbkCodePage), kUtf8CodePage);
  std::fprintf(stderr, "%s %s\n", caption.c_str(), message.c_str());
}

namespace {

HeadlessUiServices headless;
UiServices* installed = nullptr;

}  // namespace

UiServices& Ui() { return installed != nullptr ? *installed : headless; }

void InstallUiServices(UiServices* services) { installed = services; }
