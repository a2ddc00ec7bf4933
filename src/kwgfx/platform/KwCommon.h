#pragma once
// The common package: its base error class, the integer ScaleRect, the character tests
// and the text tests selected by option.

#include "kwgfx/platform/IntegerScaleRect.h"
#include "kwgfx/platform/KwChars.h"
#include "kwgfx/platform/KwException.h"
#include "kwgfx/platform/KwStrCompare.h"
#include "kwgfx/platform/LocaleStrings.h"
