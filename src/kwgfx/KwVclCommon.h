#pragma once
// The package unit KwVclCommon: loading and unloading the library, which runs the
// start-up of its units in package order and their shutdown in reverse.
//
// The library loads itself: every translation unit that includes <kwgfx/KwGraphics.h>
// (or any geometry header that declares USFormatSettings) holds one loader object, which
// loads the package before that unit's own static objects are constructed and unloads it
// after they are destroyed (the idiom of std::ios_base::Init). The load counters make the
// repeated loads cheap: the start-up bodies run at the first load, the shutdown bodies at
// the last unload. Hosts that load and unload explicitly must balance their calls.

namespace kw {

// Package load: the start-up of KwGraphics (fills USFormatSettings), then of
// KwVclHelperFunctions (no help viewer held yet).
void KwVclCommonLoad();
// Package unload: the shutdowns in reverse order (KwVclHelperFunctions releases a loaded
// help viewer library, KwGraphics releases USFormatSettings).
void KwVclCommonUnload();

// The unit KwGraphics behind its load counter (see package/KwUnitLifecycle.h): the
// start-up body fills USFormatSettings from the US English locale (0x0409), the shutdown
// body releases it. Each returns true when it ran its body.
bool KwGraphicsStartUp();
bool KwGraphicsShutDown();
// True between the start-up body and the shutdown body of KwGraphics.
bool KwGraphicsIsStarted();

namespace detail {

class TKwVclCommonLoader {
public:
    TKwVclCommonLoader() { KwVclCommonLoad(); }
    ~TKwVclCommonLoader() { KwVclCommonUnload(); }
    TKwVclCommonLoader(const TKwVclCommonLoader&) = delete;
    TKwVclCommonLoader& operator=(const TKwVclCommonLoader&) = delete;
};

} // namespace detail
} // namespace kw
