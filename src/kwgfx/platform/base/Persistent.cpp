// SPDX-License-Identifier: MIT
#include "kwgfx/platform/base/Persistent.h"

#include "kwgfx/platform/base/Exceptions.h"

namespace kw::platform {

void TPersistent::Assign(const TPersistent& Source) {
    Source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& Dest) const {
    Dest.AssignError(this);
}

void TPersistent::DefineProperties(TFiler&) {}

TPublishedProperties TPersistent::GetPublishedProperties() {
    return {};
}

void TPersistent::AssignError(const TPersistent* Source) const {
    const std::string sourceName = Source ? Source->ClassName() : std::string("nil");
    throw EAssignError("Cannot assign a " + sourceName + " to a " + ClassName());
}

} // namespace kw::platform
