// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Kept for one release: TKwHintWindow is in kwgfx/ui/KwAutoHideHintWindow.h now. Include
/// the unit's umbrella header kwgfx/KwHintWindow.h (or that header) from now on.
#include "kwgfx/ui/KwAutoHideHintWindow.h"
