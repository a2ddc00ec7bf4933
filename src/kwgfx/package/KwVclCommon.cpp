// The package unit KwVclCommon and the start-up/shutdown of the unit KwGraphics.
//
// USFormatSettings is defined in this file, beside the code that fills it: any program
// that reads it links this object file, and with it the package loader.

#include "kwgfx/KwVclCommon.h"

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/package/KwUnitLifecycle.h"
#include "kwgfx/platform/NumberText.h"
#include "kwgfx/ui/KwHelpViewer.h"

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

// Units in package order; shutdown in reverse. KwVclHelperFunctions holds the help
// viewer library, which its shutdown releases.
void KwVclCommonLoad() {
    KwGraphicsStartUp();
    KwVclHelperFunctionsStartUp();
}

void KwVclCommonUnload() {
    KwVclHelperFunctionsShutDown();
    KwGraphicsShutDown();
}

} // namespace kw
