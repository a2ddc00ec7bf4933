// SPDX-License-Identifier: MIT
#include "kwgfx/ui/KwAutoHideHintWindow.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/DrawTextFlags.h"
#include "kwgfx/platform/windowing/Application.h"
#include "kwgfx/platform/windowing/Screen.h"

#include <string>
#include <string_view>

namespace kw {

using namespace platform;

TKwHintWindow::TKwHintWindow(TComponent* AOwner) : THintWindow(AOwner) {
    SetColor(Application().HintColor());
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject* Sender) { TimeOut(Sender); };
}

TKwHintWindow::~TKwHintWindow() {
    delete FTimer; // leaves this window's component list, which clears FTimer
}

void TKwHintWindow::Notification(TComponent* AComponent, TOperation Operation) {
    THintWindow::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FTimer) FTimer = nullptr;
}

void TKwHintWindow::ActivateHint(const TRect& Rect, std::string_view AHint) {
    const TRect r = Rect;
    // A copy, as AHint may view this window's own caption, which the activation replaces.
    const std::string hint(AHint);
    if (FActivating) return;
    FActivating = true;
    try {
        if (FTimer) FTimer->SetEnabled(true);
        THintWindow::ActivateHint(r, hint);
    } catch (...) {
        FActivating = false;
        throw;
    }
    FActivating = false;
}

void TKwHintWindow::ActivateHint(const TPoint& Point, std::string_view AHint) {
    const std::string hint(AHint);
    TRect r = CalcHintRect(Screen().Width(), hint, nullptr);
    r.Left += Point.X;
    r.Right += Point.X;
    r.Top += Point.Y;
    r.Bottom += Point.Y;
    ActivateHint(r, hint);
}

void TKwHintWindow::TimeOut(TObject*) {
    if (FTimer) FTimer->SetEnabled(false);
    HideHint();
}

void TKwHintWindow::HideHint() {
    if (HandleAllocated() && IsWindowVisible()) ShowWindow(SW_HIDE);
}

int32_t TKwHintWindow::Interval() const {
    return FTimer ? static_cast<int32_t>(FTimer->Interval()) : 0;
}

void TKwHintWindow::SetInterval(int32_t Value) {
    if (Value < 0) throw ERangeError("a hint window's interval cannot be negative");
    if (FTimer) FTimer->SetInterval(static_cast<uint32_t>(Value));
}

void TKwHintWindow::Paint() {
    TRect r = GetClientRect();
    r.Left += 2;
    r.Top += 2;
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    // The caption is drawn as a zero-terminated text: a NUL character ends it.
    const std::string_view text(Caption().c_str());
    canvas.DrawText(text, r, DT_WORDBREAK | DT_NOPREFIX | DrawTextBiDiModeFlagsReadingOnly());
}

void TKwHintWindow::CMTextChanged(TMessage& Message) {
    THintWindow::CMTextChanged(Message);
}

TPublishedProperties TKwHintWindow::GetPublishedProperties() {
    TPublishedProperties props = THintWindow::GetPublishedProperties();
    props.push_back(TPublishedProperty::Integer(
        "Interval", [this] { return Interval(); }, [this](int32_t V) { SetInterval(V); }, 1000));
    props.push_back(TPublishedProperty::Enumeration<TBiDiMode>(
        "BiDiMode",
        {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"},
        [this] { return BiDiMode(); }, [this](TBiDiMode V) { SetBiDiMode(V); }, bdLeftToRight));
    props.push_back(TPublishedProperty::String(
        "Caption", [this] { return Caption(); }, [this](const std::string& V) { SetCaption(V); },
        std::string()));
    props.push_back(TPublishedProperty::Integer(
        "Color", [this] { return Color(); }, [this](int32_t V) { SetColor(V); }));
    props.push_back(TPublishedProperty::Object("Font", [this] { return &Font(); }));
    return props;
}

} // namespace kw
