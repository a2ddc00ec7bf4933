#pragma once
// The persistent base: objects that can copy themselves from one another (Assign /
// AssignTo) and declare extra streamed properties to a filer (DefineProperties).
// The filer and the property streaming live in the persistence module.

#include "kwgfx/platform/Object.h"

namespace kw::platform {

class TFiler;

class TPersistent : public TObject {
public:
    // Copies Source into this object. The default asks Source to assign itself to this
    // object (AssignTo); when neither side knows the other, EAssignError names both classes
    // and this object is unchanged.
    virtual void Assign(const TPersistent& Source);

protected:
    // Copies this object into Dest. The default fails with EAssignError.
    virtual void AssignTo(TPersistent& Dest) const;
    // Declares properties that are streamed by custom code (text or binary bodies).
    virtual void DefineProperties(TFiler& Filer);

    // Raises the assignment error for Source assigned to this object.
    [[noreturn]] void AssignError(const TPersistent* Source) const;

    friend class TFiler;
    friend class TPersistentAccess;
};

} // namespace kw::platform
