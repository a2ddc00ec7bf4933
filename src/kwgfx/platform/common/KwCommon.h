// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The common package: its base error class, the integer ScaleRect, the character tests
/// and the text tests selected by option.

#include "kwgfx/platform/common/KwChars.h"
#include "kwgfx/platform/common/KwException.h"
#include "kwgfx/platform/common/KwStrCompare.h"
#include "kwgfx/platform/graphics/IntegerScaleRect.h"
#include "kwgfx/platform/text/LocaleStrings.h"
