// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The application's message loop on GLib: a GSource on the default main context that
/// calls TMessageLoop::ProcessMessages whenever a message is posted or a timer is due, so
/// TTimer fires through the same loop that delivers GTK's events and redraws.
///
/// Run iterates the default main context until Terminate; Post from another thread wakes the
/// context (g_main_context_wakeup), and the source then runs the message on the UI thread.

#include "kwgfx/platform/windowing/MessageLoop.h"

typedef struct _GSource GSource;

namespace kw::platform::gtk {

/// The message loop's host on GLib; see the file's description.
class TGlibLoopHost final : public TLoopHost {
public:
    /// Attaches itself to Loop (TMessageLoop::SetHost) and to the default main context.
    explicit TGlibLoopHost(TMessageLoop& Loop);
    /// Detaches from both.
    ~TGlibLoopHost() override;
    TGlibLoopHost(const TGlibLoopHost&) = delete;
    TGlibLoopHost& operator=(const TGlibLoopHost&) = delete;

    void Run() override;
    void Quit() override;
    void Wake() override;

    /// The loop it hosts.
    TMessageLoop& Loop() const { return FLoop; }

private:
    TMessageLoop& FLoop;
    GSource* FSource = nullptr;
};

} // namespace kw::platform::gtk
