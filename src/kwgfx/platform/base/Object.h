// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The root of the platform's object classes: a virtual destructor and the class name
/// (used in error messages such as the failed assignment of one class to another).

#include <functional>
#include <string>

namespace kw::platform {

/// The root of the platform's object classes.
class TObject {
public:
    virtual ~TObject() = default;
    /// The unqualified name of the object's dynamic class, e.g. "TKwPathData".
    std::string ClassName() const;
};

/// A notification callback: receives the object that changed.
using TNotifyEvent = std::function<void(TObject* Sender)>;

} // namespace kw::platform
