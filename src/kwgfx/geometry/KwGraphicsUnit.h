// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The start-up and shutdown of the unit KwGraphics: the start-up fills USFormatSettings
/// from the US English locale (0x0409), the shutdown releases it. Both run behind the
/// unit's load counter (platform/base/KwUnitLifecycle.h), so each body runs once however
/// often the unit is loaded; the package (KwVclCommon.h) runs them in package order.
///
/// The unit loads itself: every translation unit that includes a geometry header declaring
/// USFormatSettings holds one loader object, which loads the unit before that unit's own
/// static objects are constructed and unloads it after they are destroyed (the idiom of
/// std::ios_base::Init).

namespace kw {

/// Each returns true when it ran its body.
///@{
bool KwGraphicsStartUp();
bool KwGraphicsShutDown();
///@}
/// True between the start-up body and the shutdown body of KwGraphics.
bool KwGraphicsIsStarted();

namespace detail {

class TKwGraphicsUnitLoader {
public:
    TKwGraphicsUnitLoader() { KwGraphicsStartUp(); }
    ~TKwGraphicsUnitLoader() { KwGraphicsShutDown(); }
    TKwGraphicsUnitLoader(const TKwGraphicsUnitLoader&) = delete;
    TKwGraphicsUnitLoader& operator=(const TKwGraphicsUnitLoader&) = delete;
};

} // namespace detail
} // namespace kw
