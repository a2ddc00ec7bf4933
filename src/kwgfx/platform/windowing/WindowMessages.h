// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Window-system messages and show commands, with the window system's numbers.

#include <cstdint>

namespace kw::platform {

/// A message sent to a control (TControl::Perform).
struct TMessage {
    uint32_t Msg = 0;    ///< The message number.
    intptr_t WParam = 0; ///< Its first parameter.
    intptr_t LParam = 0; ///< Its second parameter.
    intptr_t Result = 0; ///< The handler's result.
};

/// Notifications the framework sends its own controls.
///@{
inline constexpr uint32_t CM_BASE = 0xB000;
inline constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
inline constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
inline constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
///@}

/// Commands of TCustomControl::ShowWindow.
///@{
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
///@}

} // namespace kw::platform
