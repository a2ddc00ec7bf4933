// SPDX-License-Identifier: MIT
#include "kwgfx/platform/system/ClassRegistry.h"

#include "kwgfx/platform/text/AsciiText.h"

#include <algorithm>
#include <vector>

namespace kw::platform {

namespace {

// Never destroyed: units may register and look up classes during static start-up and
// shutdown, in any order.
std::vector<TClass>& Registered() {
    static auto* classes = new std::vector<TClass>{&TPersistentClass, &TComponentClass};
    return *classes;
}

} // namespace

TClass GetClass(std::string_view Name) {
    for (TClass c : Registered())
        if (SameText(c->Name, Name)) return c;
    return nullptr;
}

bool RegisterClass(TClass Class) {
    if (!Class) return false;
    if (TClass known = GetClass(Class->Name)) return known == Class;
    Registered().push_back(Class);
    return true;
}

void UnRegisterClass(TClass Class) {
    auto& classes = Registered();
    classes.erase(std::remove(classes.begin(), classes.end(), Class), classes.end());
}

} // namespace kw::platform
