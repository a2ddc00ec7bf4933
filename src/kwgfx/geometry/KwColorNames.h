// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Kept for one release: the colour names moved to the platform's graphics room. Include
/// kwgfx/platform/graphics/KwColorNames.h from now on.
#include "kwgfx/platform/graphics/KwColorNames.h"
