// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The error class reserved for graphics errors of the library. No routine of the library
/// raises it today; it is there for callers and components that report graphics failures.

#include "kwgfx/platform/common/KwException.h"

namespace kw {

using platform::EKwException;

class EKwGfxException : public EKwException {
public:
    using EKwException::EKwException;
};

} // namespace kw
