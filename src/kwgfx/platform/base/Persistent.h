// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The persistent base: objects that can copy themselves from one another (Assign /
/// AssignTo) and declare extra streamed properties to a filer (DefineProperties).
/// Published properties (GetPublishedProperties) are declared explicitly; the filer and
/// the property writer and reader stream them (Filer.h, PropertyWriter.h, PropertyReader.h).

#include "kwgfx/platform/base/Object.h"
#include "kwgfx/platform/base/PublishedProperty.h"

namespace kw::platform {

class TFiler;

/// An object that can copy itself from another and stream its properties; see the file's
/// description.
class TPersistent : public TObject {
public:
    /// Copies Source into this object. The default asks Source to assign itself to this
    /// object (AssignTo); when neither side knows the other, EAssignError names both classes
    /// and this object is unchanged.
    virtual void Assign(const TPersistent& Source);

    /// The streamable properties of this object, bound to it, in the order they are
    /// written. Overrides call the inherited list and append their own. None by default.
    virtual TPublishedProperties GetPublishedProperties();

protected:
    /// Copies this object into Dest. The default fails with EAssignError.
    virtual void AssignTo(TPersistent& Dest) const;
    /// Declares properties that are streamed by custom code (text or binary bodies).
    virtual void DefineProperties(TFiler& Filer);

    /// Raises the assignment error for Source assigned to this object.
    [[noreturn]] void AssignError(const TPersistent* Source) const;

    friend class TFiler;
    friend class TPersistentAccess;
};

} // namespace kw::platform
