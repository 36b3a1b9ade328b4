// Message boxes owned by one of the program's own windows.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "app/program_state.h"

class QAbstractButton;
class QMessageBox;

// "友情提醒" in GBK, the title of a box that names none.
inline constexpr std::string_view kFriendlyReminder = "\xD3\xD1\xC7\xE9\xCC\xE1\xD0\xD1";

// Box styles, as the flags of the system's message boxes: the buttons in the
// low four bits (0 OK, 1 OK Cancel, 2 Abort Retry Ignore, 3 Yes No Cancel,
// 4 Yes No, 5 Retry Cancel), the icon above them.
inline constexpr int kErrorStyle = 16;        // error icon, OK
inline constexpr int kInformationStyle = 64;  // information icon, OK

// Shows a modal box with the GBK text and title and waits until it is closed.
// `owner` is disabled while it shows; without one given, the owner is the
// program's visible top-level window that stands highest in the stacking
// order (FindProcessWindow of this process), and an owner of 0, or none found,
// shows the box without owner. Returns the button pressed: OK 0, Cancel 1,
// Abort 2, Retry 3, Ignore 4, Yes 5, No 6; -1 when the box cannot be shown
// (no application, a button set not listed above) or was closed without one.
int OwnerMessageBox(std::string_view gbkText, int style = kInformationStyle,
                    std::string_view gbkTitle = kFriendlyReminder,
                    std::optional<WindowHandle> owner = std::nullopt);

// Presents a prepared box, waiting as long as it shows, and returns the button
// pressed (null: none). The box's parent is its owner.
using OwnerBoxPresenter = std::function<QAbstractButton*(QMessageBox& box)>;

// Makes `presenter` the one that shows owned boxes, so that tests never block;
// an empty one restores the modal default.
void SetOwnerBoxPresenter(OwnerBoxPresenter presenter);
