// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Kept for one release: THintWindow, the plain hint window, is in
/// kwgfx/platform/controls/PlainHintWindow.h now. Include that header from now on.
#include "kwgfx/platform/controls/PlainHintWindow.h"
