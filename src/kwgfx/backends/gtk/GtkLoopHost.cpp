// SPDX-License-Identifier: MIT
// TGlibLoopHost: the GSource that drives a TMessageLoop, and Run / Quit / Wake.
#include "kwgfx/backends/gtk/GtkLoopHost.h"

#include <glib.h>

#include <exception>

namespace kw::platform::gtk {

namespace {

struct TLoopSource {
    GSource Base;
    TMessageLoop* Loop;
};

TMessageLoop& LoopOf(GSource* Source) {
    return *reinterpret_cast<TLoopSource*>(Source)->Loop;
}

// Ready when a message waits or a timer is due; otherwise poll no longer than the time to
// the next timer, so it fires on time without a busy wait.
gboolean Prepare(GSource* Source, gint* Timeout) {
    TMessageLoop& loop = LoopOf(Source);
    if (loop.HasPostedMessages()) return TRUE;
    const std::optional<int64_t> delay = loop.NextTimerDelay();
    *Timeout = delay ? static_cast<gint>(*delay) : -1;
    return delay && *delay == 0;
}

gboolean Check(GSource* Source) {
    TMessageLoop& loop = LoopOf(Source);
    const std::optional<int64_t> delay = loop.NextTimerDelay();
    return loop.HasPostedMessages() || (delay && *delay == 0);
}

gboolean Dispatch(GSource* Source, GSourceFunc, gpointer) {
    // An exception must not unwind through GLib's C frames: report it and go on.
    try {
        LoopOf(Source).ProcessMessages();
    } catch (const std::exception& e) {
        g_warning("kwgfx: a message or timer handler failed: %s", e.what());
    } catch (...) {
        g_warning("kwgfx: a message or timer handler failed");
    }
    return G_SOURCE_CONTINUE;
}

GSourceFuncs SourceFuncs = {Prepare, Check, Dispatch, nullptr, nullptr, nullptr};

} // namespace

TGlibLoopHost::TGlibLoopHost(TMessageLoop& Loop) : FLoop(Loop) {
    FSource = g_source_new(&SourceFuncs, sizeof(TLoopSource));
    reinterpret_cast<TLoopSource*>(FSource)->Loop = &FLoop;
    g_source_set_name(FSource, "kwgfx message loop");
    g_source_attach(FSource, nullptr);
    FLoop.SetHost(this);
}

TGlibLoopHost::~TGlibLoopHost() {
    if (FLoop.Host() == this) FLoop.SetHost(nullptr);
    g_source_destroy(FSource);
    g_source_unref(FSource);
}

// Iterating until the flag is set (rather than a GMainLoop) cannot miss a Terminate from
// another thread that comes just before the loop starts: the flag is set before the wake.
void TGlibLoopHost::Run() {
    while (!FLoop.Terminated()) g_main_context_iteration(nullptr, TRUE);
}

void TGlibLoopHost::Quit() {
    g_main_context_wakeup(nullptr);
}

void TGlibLoopHost::Wake() {
    g_main_context_wakeup(nullptr);
}

} // namespace kw::platform::gtk
