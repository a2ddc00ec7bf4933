// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The application object: the user-interface thread's message loop, the colour of hint
/// windows, and the factory of the surfaces windows paint on.

#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/windowing/MessageLoop.h"
#include "kwgfx/platform/windowing/WindowSurface.h"

#include <functional>
#include <memory>

namespace kw::platform {

/// Makes a window surface.
using TWindowSurfaceFactory = std::function<std::unique_ptr<TWindowSurface>()>;

/// The application object; see the file's description.
class TApplication {
public:
    TApplication();

    /// The loop timers count down on by default (steady clock until SetClock says otherwise).
    TMessageLoop& MessageLoop() { return FLoop; }
    /// Runs the queued messages and due timers once (TMessageLoop::ProcessMessages).
    int ProcessMessages() { return FLoop.ProcessMessages(); }

    /// The background colour of hint windows; the system colour clInfoBk by default (the
    /// system colour table resolves it to a pale yellow).
    ///@{
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    ///@}

    /// Makes the surface of each window that paints, when it first needs one. The default,
    /// and an empty factory, make recording surfaces (TRecordingWindowSurface). Windows that
    /// already have a surface keep it.
    void SetWindowSurfaceFactory(TWindowSurfaceFactory Factory);
    /// A new surface from the factory.
    std::unique_ptr<TWindowSurface> CreateWindowSurface() const;
    /// The factory in place (empty for the default), so a caller can put it back.
    const TWindowSurfaceFactory& WindowSurfaceFactory() const { return FSurfaceFactory; }

private:
    TMessageLoop FLoop;
    TColor FHintColor = clInfoBk;
    TWindowSurfaceFactory FSurfaceFactory;
};

/// The one application object of the process.
TApplication& Application();

} // namespace kw::platform
