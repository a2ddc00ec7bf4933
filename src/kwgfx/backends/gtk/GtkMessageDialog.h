// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// MessageDlg on screen: a modal GTK message dialog over the main window with the
/// requested buttons, whose answer goes back as the button's modal result. Closing the
/// dialog without a button answers Cancel (mrCancel) when the dialog offers it, else mrNone.

namespace kw::platform::gtk {

/// Routes every later MessageDlg to a GTK dialog (SetMessageDlgSink).
void InstallMessageDialogs();

} // namespace kw::platform::gtk
