// The download module's one exported name, which the program looks up when
// it loads the module.
#include "app/download_browser_session.h"

extern "C" __attribute__((visibility("default"))) DownloadSession* PolvaneNewDownloadSession(
    const DownloadHost* host) {
  if (host == nullptr) return nullptr;
  return new BrowserDownloadSession(*host);
}

// The program and the module must agree on the entry point's type.
[[maybe_unused]] static constexpr DownloadSessionEntry kEntryCheck = &PolvaneNewDownloadSession;
