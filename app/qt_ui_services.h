// The user-interface services of the windowed program, on Qt: the event pump,
// the clipboard and plain message boxes.
#pragma once

#include <QAbstractEventDispatcher>
#include <atomic>
#include <functional>
#include <string>

#include "platform/ui_services.h"

class QtUiServices : public UiServices {
 public:
  // Shows a message instead of a real message box; tests use it so that they
  // never block. Receives the message and caption as Qt strings and the style.
  using MessageHook = std::function<void(const QString& message, const QString& caption, int style)>;

  // Must be made on the user-interface thread, after the QApplication.
  QtUiServices();

  void ProcessEvents() override;
  void WaitForEvents(int timeoutMs) override;
  void Wake() override;
  bool SetClipboardText(std::string_view gbkText) override;
  void ShowMessage(std::string_view gbkMessage, int style, std::string_view gbkCaption) override;

  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

 private:
  QAbstractEventDispatcher* dispatcher_;
  std::atomic<bool> woken_{false};
  MessageHook messageHook_;
};
