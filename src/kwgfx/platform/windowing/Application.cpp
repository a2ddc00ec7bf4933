// SPDX-License-Identifier: MIT
#include "kwgfx/platform/windowing/Application.h"

#include "kwgfx/platform/windowing/RecordingWindowSurface.h"

namespace kw::platform {

TApplication::TApplication() = default;

void TApplication::SetWindowSurfaceFactory(TWindowSurfaceFactory Factory) {
    FSurfaceFactory = std::move(Factory);
}

std::unique_ptr<TWindowSurface> TApplication::CreateWindowSurface() const {
    std::unique_ptr<TWindowSurface> surface;
    if (FSurfaceFactory) surface = FSurfaceFactory();
    if (!surface) surface = std::make_unique<TRecordingWindowSurface>();
    return surface;
}

TApplication& Application() {
    static TApplication application;
    return application;
}

} // namespace kw::platform
