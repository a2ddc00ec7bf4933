// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the tests of the observable, streamable geometry objects: a counter of
// change notifications and the property text of one object.

#include <kwgfx/platform/base/Object.h>

#include <string>

namespace kw::test {

// Counts notifications of any of the geometry objects.
struct Notifications {
    int Count = 0;
    platform::TObject* Sender = nullptr;
    platform::TNotifyEvent Handler() {
        return [this](platform::TObject* S) {
            ++Count;
            Sender = S;
        };
    }
};

inline std::string Doc(const std::string& ClassName, const std::string& Body) {
    return "kwgfx-properties 1\n" + ClassName + " {\n" + Body + "}\n";
}

} // namespace kw::test
