#include "app/ripple_client.h"

#include <dlfcn.h>

#include <cstdlib>

#include "app/ripple_install.h"
#include "platform/ui_services.h"
#include "ripple/wave_api.h"
#include "text/code_page.h"

namespace {

// "无法载入动态链接库：" in GBK.
constexpr std::string_view kCannotLoadLibrary = "\xCE\xDE\xB7\xA8\xD4\xD8\xC8\xEB\xB6\xAF\xCC\xAC\xC1\xB4\xBD\xD3\xBF\xE2\xA3\xBA";
// "在动态链接库 " and " 中找不到函数：" in GBK.
constexpr std::string_view kInLibrary = "\xD4\xDA\xB6\xAF\xCC\xAC\xC1\xB4\xBD\xD3\xBF\xE2 ";
constexpr std::string_view kNoSuchFunction = " \xD6\xD0\xD5\xD2\xB2\xBB\xB5\xBD\xBA\xAF\xCA\xFD\xA3\xBA";
// "错误" in GBK.
constexpr std::string_view kErrorCaption = "\xB4\xED\xCE\xF3";
constexpr int kErrorIconStyle = 0x10;

// The loader's own explanation, on a line of its own; empty when it has none.
Text LoaderReason() {
  const char* reason = dlerror();
  return reason == nullptr ? Text() : "\r\n" + Utf8ToAnsi(reason);
}

}  // namespace

WaveClient::WaveClient(std::function<Path()> libraryPath, FailureHandler onFailure)
    : libraryPath_(std::move(libraryPath)), onFailure_(std::move(onFailure)) {}

void* WaveClient::Entry(const char* name, void*& slot) {
  if (slot != nullptr) return slot;
  if (library_ == nullptr) {
    if (loadedPath_.empty()) loadedPath_ = libraryPath_();
    library_ = dlopen(loadedPath_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library_ == nullptr) {
      onFailure_(Text(kCannotLoadLibrary) + Utf8ToAnsi(loadedPath_) + LoaderReason());
      return nullptr;
    }
  }
  dlerror();
  slot = dlsym(library_, name);
  if (slot == nullptr) {
    onFailure_(Text(kInLibrary) + Utf8ToAnsi(loadedPath_) + Text(kNoSuchFunction) + name + LoaderReason());
  }
  return slot;
}

std::int32_t WaveClient::WaveInit(QWidget* window, const char* picturePath) {
  void* entry = Entry("E_WaveInit", waveInit_);
  return entry == nullptr ? 0 : reinterpret_cast<WaveInitEntry>(entry)(window, picturePath);
}

void WaveClient::WaveDropStone(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t weight) {
  void* entry = Entry("E_WaveDropStone", waveDropStone_);
  if (entry != nullptr) reinterpret_cast<WaveDropStoneEntry>(entry)(x, y, size, weight);
}

void WaveClient::AutoEffects(std::int32_t mode, std::int32_t param1, std::int32_t param2, std::int32_t param3) {
  void* entry = Entry("E_AutoEffects", autoEffects_);
  if (entry != nullptr) reinterpret_cast<AutoEffectsEntry>(entry)(mode, param1, param2, param3);
}

void EndProgramForMissingLibrary(const Text& gbkMessage) {
  ShowMessage(gbkMessage, kErrorIconStyle, kErrorCaption);
  std::exit(1);
}

WaveClient& Wave() {
  static WaveClient client(WaveLibraryPath, EndProgramForMissingLibrary);
  return client;
}
