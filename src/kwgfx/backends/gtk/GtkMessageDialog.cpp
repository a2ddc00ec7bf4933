// SPDX-License-Identifier: MIT
// InstallMessageDialogs: the dialog, its buttons, and a nested loop until it is answered.
#include "kwgfx/backends/gtk/GtkMessageDialog.h"

#include "kwgfx/backends/gtk/GtkPlatform.h"
#include "kwgfx/platform/controls/MessageDialog.h"

#include <gtk/gtk.h>

namespace kw::platform::gtk {

namespace {

struct TButtonLabel {
    TMsgDlgBtn Button;
    const char* Label;
    TModalResult Result;
};

constexpr TButtonLabel kButtons[] = {
    {mbYes, "_Yes", mrYes},          {mbNo, "_No", mrNo},          {mbOK, "_OK", mrOk},
    {mbCancel, "_Cancel", mrCancel}, {mbAbort, "_Abort", mrAbort}, {mbRetry, "_Retry", mrRetry},
    {mbIgnore, "_Ignore", mrIgnore}, {mbAll, "_All", mrAll},
};

GtkMessageType MessageType(TMsgDlgType Type) {
    switch (Type) {
    case mtWarning:
        return GTK_MESSAGE_WARNING;
    case mtError:
        return GTK_MESSAGE_ERROR;
    case mtConfirmation:
        return GTK_MESSAGE_QUESTION;
    case mtInformation:
        return GTK_MESSAGE_INFO;
    default:
        return GTK_MESSAGE_OTHER;
    }
}

struct TAnswer {
    bool Done = false;
    int Response = 0;
};

void EndWait(GtkWidget*, gpointer To) {
    static_cast<TAnswer*>(To)->Done = true;
}

int32_t ShowDialog(const TMessageDlgRequest& Request) {
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GtkWidget* dialog =
        gtk_message_dialog_new(MainWindow(), GTK_DIALOG_MODAL, MessageType(Request.DlgType),
                               GTK_BUTTONS_NONE, "%s", Request.Message.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), MsgDlgTypeCaption(Request.DlgType));
    gtk_window_set_destroy_with_parent(GTK_WINDOW(dialog), TRUE);
    for (const TButtonLabel& b : kButtons)
        if (Request.Buttons.Contains(b.Button))
            gtk_dialog_add_button(GTK_DIALOG(dialog), b.Label, b.Result);
    // The answer lives on this frame; the dialog writes it and the loop below waits for
    // it. A dialog destroyed unanswered (its parent closed, say) ends the wait too.
    TAnswer answer;
    g_object_ref(dialog);
    g_signal_connect(dialog, "response", G_CALLBACK(+[](GtkDialog*, int Response, gpointer To) {
                         static_cast<TAnswer*>(To)->Response = Response;
                         static_cast<TAnswer*>(To)->Done = true;
                     }),
                     &answer);
    // Held by a reference of ours, a destroyed dialog is unrealized rather than disposed;
    // hidden, it cannot be answered either.
    for (const char* signal : {"hide", "unrealize", "destroy"})
        g_signal_connect(dialog, signal, G_CALLBACK(EndWait), &answer);
    gtk_window_present(GTK_WINDOW(dialog));
    while (!answer.Done) g_main_context_iteration(nullptr, TRUE);
    G_GNUC_END_IGNORE_DEPRECATIONS
    g_signal_handlers_disconnect_by_data(dialog, &answer);
    gtk_window_destroy(GTK_WINDOW(dialog));
    g_object_unref(dialog);
    if (answer.Response > 0) return answer.Response;
    return Request.Buttons.Contains(mbCancel) ? mrCancel : mrNone;
}

} // namespace

void InstallMessageDialogs() {
    SetMessageDlgSink(ShowDialog);
}

} // namespace kw::platform::gtk
