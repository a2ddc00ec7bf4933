// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The include path of release 0.1.0, kept for one release: include
/// <kwgfx/backends/gtk/GtkMenuBar.h> instead.
#include "kwgfx/backends/gtk/GtkMenuBar.h"
