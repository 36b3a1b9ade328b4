// The services of the user-interface thread that the logic calls: the event
// pump, the clipboard and the plain message box. The windowed program installs
// its own; without it, a headless stand-in answers (no events, no clipboard,
// messages on standard error).
#pragma once

#include <condition_variable>
#include <mutex>
#include <string_view>

class UiServices {
 public:
  virtual ~UiServices() = default;

  // Dispatches the events already waiting, then returns without waiting.
  virtual void ProcessEvents() = 0;

  // Dispatches events, waiting for them, until Wake() is called or
  // `timeoutMs` passes; returns at once if Wake() was called since the last
  // return. Calls without events only sleep.
  virtual void WaitForEvents(int timeoutMs) = 0;

  // Ends the current or next WaitForEvents early. Safe from any thread.
  virtual void Wake() = 0;

  // Places the GBK text on the clipboard; false when it cannot be opened.
  virtual bool SetClipboardText(std::string_view gbkText) = 0;

  // A modal message box with the GBK message and caption; returns when closed.
  // Style 0 is one OK button and no icon.
  virtual void ShowMessage(std::string_view gbkMessage, int style,
                           std::string_view gbkCaption) = 0;
};

// Services for a process without windows: no events, no clipboard, messages
// on standard error; WaitForEvents sleeps until woken or timed out.
class HeadlessUiServices : public UiServices {
 public:
  void ProcessEvents() override {}
  void WaitForEvents(int timeoutMs) override;
  void Wake() override;
  bool SetClipboardText(std::string_view) override { return false; }
  void ShowMessage(std::string_view gbkMessage, int style, std::string_view gbkCaption) override;

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool woken_ = false;
};

// The services now in use; the headless stand-in until others are installed.
UiServices& Ui();

// Makes `services` (not owned; null restores the stand-in) the ones in use.
void InstallUiServices(UiServices* services);

// "信息：" in GBK, the caption of a plain message.
inline constexpr std::string_view kInformationCaption = "\xD0\xC5\xCF\xA2\xA3\xBA";

inline void ProcessEvents() { Ui().ProcessEvents(); }
inline bool SetClipboardText(std::string_view gbkText) { return Ui().SetClipboardText(gbkText); }
inline void ShowMessage(std::string_view gbkMessage, int style = 0,
                        std::string_view gbkCaption = kInformationCaption) {
  Ui().ShowMessage(gbkMessage, style, gbkCaption);
}
