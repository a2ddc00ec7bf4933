// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwHintWindow: the library's hint window, which hides itself an interval after it shows.
///
/// It builds on the platform's plain hint window (platform/controls/PlainHintWindow.h); the
/// unit's umbrella header kwgfx/KwHintWindow.h gathers it with the objects it works with.
///
/// Showing a hint (ActivateHint) enables the hide timer; the timer's countdown starts only
/// when it goes from disabled to enabled, so showing another hint while one is up moves and
/// updates the window but does not prolong the time it stays. When the timer fires,
/// TimeOut disables it and hides the window. HideHint hides the window at once and leaves
/// the timer running; its next tick finds the window hidden and only disables it.
///
/// The timer counts down on the application's message loop and fires on its thread.

#include "kwgfx/platform/controls/PlainHintWindow.h"
#include "kwgfx/platform/windowing/Timer.h"

#include <cstdint>
#include <string_view>

namespace kw {

using platform::TBiDiMode;
using platform::THintWindow;
using platform::TTimer;

/// A hint window that hides itself Interval milliseconds after it is shown; see the file's
/// description.
///
/// \gallery{hint_window.png}
class TKwHintWindow : public platform::THintWindow {
public:
    /// Color is the application's hint colour; the timer is disabled, 1000 ms.
    explicit TKwHintWindow(platform::TComponent* AOwner);
    /// Frees the timer before the window.
    ~TKwHintWindow() override;

    /// Shows AHint in Rect and enables the hide timer. A call made while another runs (from
    /// a paint handler, say) is ignored.
    void ActivateHint(const platform::TRect& Rect, std::string_view AHint) override;
    /// Shows AHint with its top-left corner at Point, sized by CalcHintRect with the screen's
    /// width as the limit.
    void ActivateHint(const platform::TPoint& Point, std::string_view AHint);
    /// The timer's handler: disables the timer, then hides the window.
    virtual void TimeOut(platform::TObject* Sender);
    /// Hides the window if it exists and is shown; it stays, ready to be shown again.
    virtual void HideHint();

    /// The timer's interval in milliseconds. A negative value is refused with ERangeError;
    /// once the timer was freed, reading gives 0 and writing is ignored.
    ///@{
    int32_t Interval() const;
    void SetInterval(int32_t Value);
    ///@}
    /// The hide timer; null only after someone freed it.
    TTimer* Timer() const { return FTimer; }
    /// True while ActivateHint runs.
    ///@{
    bool Activating() const { return FActivating; }
    void SetActivating(bool Value) { FActivating = Value; }
    ///@}

    /// Interval (default 1000), then BiDiMode, Caption, Color and Font.
    platform::TPublishedProperties GetPublishedProperties() override;

protected:
    /// The caption, broken between words, from (2, 2) of the client area; "&" is an ordinary
    /// character, a NUL character ends the text, and right-to-left modes add the
    /// right-to-left reading flag.
    void Paint() override;
    /// Passes the notification on to the platform's hint window.
    void CMTextChanged(platform::TMessage& Message) override;
    /// Forgets the timer when someone else frees it.
    void Notification(platform::TComponent* AComponent, platform::TOperation Operation) override;

private:
    TTimer* FTimer = nullptr;
    bool FActivating = false;
};

} // namespace kw
