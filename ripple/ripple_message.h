// The library's one message: the failure of E_WaveInit, in a message box
// owned by the window it was given.
#pragma once

#include <QWidget>
#include <string_view>

// "初始化水波对象错误!" in GBK.
inline constexpr std::string_view kWaveInitFailedMessage =
    "\xB3\xF5\xCA\xBC\xBB\xAF\xCB\xAE\xB2\xA8\xB6\xD4\xCF\xF3\xB4\xED\xCE\xF3!";
inline constexpr std::string_view kWaveErrorCaption = "Error";

// Receives a message in place of the message box: its owner and the GBK
// message and caption. Tests install one so that they never block.
using RippleMessageSink = void (*)(QWidget* owner, std::string_view gbkMessage, std::string_view gbkCaption);

// Makes `sink` receive the messages from now on; null restores the message box.
void SetRippleMessageSink(RippleMessageSink sink);

// A modal error box with one OK button, owned by `owner` (may be null), or the
// installed sink; returns when it has been closed.
void ShowRippleMessage(QWidget* owner, std::string_view gbkMessage, std::string_view gbkCaption);
