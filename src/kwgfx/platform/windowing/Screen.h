// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The desktop that windows are placed on. There is no display to ask, so its size is a
/// setting: 1920 x 1080 pixels until a program says otherwise.

#include <cstdint>

namespace kw::platform {

/// The desktop's size; see the file's description.
class TScreen {
public:
    /// The size in pixels.
    ///@{
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    ///@}
    /// Negative sizes count as 0.
    void SetSize(int32_t Width, int32_t Height);

private:
    int32_t FWidth = 1920;
    int32_t FHeight = 1080;
};

/// The one screen of the process.
TScreen& Screen();

} // namespace kw::platform
