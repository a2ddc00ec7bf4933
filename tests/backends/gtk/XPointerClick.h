// SPDX-License-Identifier: MIT
#pragma once
// Real pointer clicks for the GTK tests: the X server's test extension (XTest) moves the
// pointer and presses its button, so GTK receives the same input events a user's mouse
// makes, through its own event handling, instead of a program calling the handler.
// Kept apart from the tests so that Xlib's macros (None, Status, Bool...) stay out of them.

#include <string>

typedef struct _GtkWidget GtkWidget;

namespace kwtest {

/// Why real clicks cannot be sent (built without libXtst, a display that is not X11, a
/// server without XTest), or empty when they can.
std::string XClickUnavailable();

/// Moves the pointer to the centre of Widget, as its toplevel window is placed on the X
/// screen, and clicks button 1 there. Waits out the double-click time since its previous
/// click first, so that each call is a single click. False when the widget or its window
/// is not shown.
bool XClickCentre(GtkWidget* Widget);

} // namespace kwtest
