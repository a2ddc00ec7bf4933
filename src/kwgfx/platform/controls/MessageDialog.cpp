// SPDX-License-Identifier: MIT
#include "kwgfx/platform/controls/MessageDialog.h"

#include <cstdio>

namespace kw::platform {

namespace {

// Never destroyed: a dialog may be shown during static shutdown.
TMessageDlgSink& CurrentSink() {
    static auto* sink = new TMessageDlgSink();
    return *sink;
}

int32_t DefaultAnswer(TMsgDlgButtons Buttons) {
    if (Buttons.Contains(mbOK)) return mrOk;
    if (Buttons.Contains(mbYes)) return mrYes;
    if (Buttons.Contains(mbCancel)) return mrCancel;
    if (Buttons.Contains(mbNo)) return mrNo;
    return mrNone;
}

int32_t WriteToStandardError(const TMessageDlgRequest& Request) {
    const char* caption = MsgDlgTypeCaption(Request.DlgType);
    if (*caption)
        std::fprintf(stderr, "%s: %s\n", caption, Request.Message.c_str());
    else
        std::fprintf(stderr, "%s\n", Request.Message.c_str());
    std::fflush(stderr);
    return DefaultAnswer(Request.Buttons);
}

} // namespace

const char* MsgDlgTypeCaption(TMsgDlgType DlgType) {
    switch (DlgType) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirmation";
    default:
        return "";
    }
}

TMessageDlgSink SetMessageDlgSink(TMessageDlgSink Sink) {
    TMessageDlgSink previous = std::move(CurrentSink());
    CurrentSink() = std::move(Sink);
    return previous;
}

int32_t MessageDlg(const std::string& Message, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   int32_t HelpContext) {
    const TMessageDlgRequest request{Message, DlgType, Buttons, HelpContext};
    // A copy: the sink may replace itself while it runs.
    const TMessageDlgSink sink = CurrentSink();
    return sink ? sink(request) : WriteToStandardError(request);
}

} // namespace kw::platform
