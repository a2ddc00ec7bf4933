// SPDX-License-Identifier: MIT
// The start-up and shutdown of the unit KwGraphics.
//
// USFormatSettings is defined in this file, beside the code that fills it: any program
// that reads it links this object file, and with it the unit's load counter.

#include "kwgfx/geometry/KwGraphicsUnit.h"

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/platform/base/KwUnitLifecycle.h"
#include "kwgfx/platform/text/NumberText.h"

namespace kw {

namespace {

// Empty until the start-up of KwGraphics fills it. Constant-initialised, so it is valid
// storage before any dynamic initialisation runs.
constinit platform::TFormatSettings gUSFormatSettings{'\0', '\0'};
constinit bool gKwGraphicsStarted = false;

// The US English number format (locale 0x0409, decimal 1033). A fixed record: the
// library's text formats must not depend on the locale data installed on the system.
platform::TFormatSettings UsEnglishLocaleFormat() {
    return platform::UsEnglishFormat;
}

void KwGraphicsStartUpBody() {
    gUSFormatSettings = UsEnglishLocaleFormat();
    gKwGraphicsStarted = true;
}

void KwGraphicsShutDownBody() {
    gKwGraphicsStarted = false;
    gUSFormatSettings = platform::TFormatSettings{'\0', '\0'};
}

constinit TKwUnitLifecycle gKwGraphicsUnit{KwGraphicsStartUpBody, KwGraphicsShutDownBody};

} // namespace

constinit const platform::TFormatSettings& USFormatSettings = gUSFormatSettings;

bool KwGraphicsStartUp() {
    return gKwGraphicsUnit.StartUp();
}

bool KwGraphicsShutDown() {
    return gKwGraphicsUnit.ShutDown();
}

bool KwGraphicsIsStarted() {
    return gKwGraphicsStarted;
}

} // namespace kw
