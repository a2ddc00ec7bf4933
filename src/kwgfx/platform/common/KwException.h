// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The base error class of the common package: every error the package's users define
/// for themselves (the library's EKwGfxException among them) derives from it.

#include "kwgfx/platform/base/Exceptions.h"

namespace kw::platform {

class EKwException : public Exception {
public:
    /// An error with the message.
    using Exception::Exception;
};

} // namespace kw::platform
