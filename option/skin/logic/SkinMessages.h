#pragma once
// The messages between the skin controls and their owners, by number. The
// controls post them as SkinMessageEvent (option/skin/SkinMessageEvent.h); an
// owner tells them apart by message() and reads wParam and lParam as below.

#include <string_view>

#include "platform/Types.h"

namespace option::skin {

using platform::LParam;
using platform::MessageId;
using platform::WParam;

// A button was clicked (or a checkable button toggled): wParam = control id.
// Sent synchronously to the button's parent.
inline constexpr MessageId kCommandMessage = platform::WM_COMMAND;

// SkinSlider -> owner: wParam = new value, lParam = control id.
inline constexpr MessageId kSliderValueMessage = platform::WM_USER + 70;

// NumberSpin -> owner: wParam = value (as a signed int cast), lParam = control id.
inline constexpr MessageId kSpinValueMessage = platform::WM_USER + 90;

// BitmapEdit -> parent: wParam = kEditChanged on every change, kEditEnter when
// Enter is released; lParam = 0.
inline constexpr MessageId kEditChangedMessage = platform::WM_USER + 92;
inline constexpr WParam kEditChanged = 0;
inline constexpr WParam kEditEnter = 13;

// SkinButton -> parent: wParam = kEntering or kLeaving, lParam = control id.
inline constexpr MessageId kHoverMessage = platform::WM_USER + 100;

// Any skin control -> the main window (ApplicationStatus): wParam = kEntering
// or kLeaving, lParam = 0. The text itself is ApplicationStatus::text().
inline constexpr MessageId kStatusTextMessage = platform::WM_USER + 101;

inline constexpr WParam kLeaving = 0;
inline constexpr WParam kEntering = 1;

// Registered names: BitmapEdit -> parent when it loses the focus (wParam and
// lParam 0); the change name is registered beside it but changes travel as
// kEditChangedMessage.
inline constexpr std::string_view kEditKillFocusName = "BitmapEdit_KillFocus";
inline constexpr std::string_view kEditChangeName = "BitmapEdit_Change";

// The number of a registered name inside this process: the same name always
// gives the same number (letters compared without case), different names
// different numbers. Numbers are handed out downwards from
// platform::kLastRegisteredMessage, apart from the numbers that the platform's
// cross-process registry hands out upwards. 0 for an empty name.
MessageId registeredMessage(std::string_view name);

// registeredMessage(kEditKillFocusName).
MessageId editKillFocusMessage();

}  // namespace option::skin
