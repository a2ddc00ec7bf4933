// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The delta font unit: a font that records in which attributes it differs from a base
/// font and takes the others over on request.

#include "kwgfx/ui/DeltaAttributes.h"
#include "kwgfx/ui/DeltaFont.h"
