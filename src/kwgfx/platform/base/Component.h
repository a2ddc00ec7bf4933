// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Components own one another: a component created with an owner is freed by that owner's
/// destructor, unless it is freed first, in which case it leaves its owner's list and the
/// owner hears of it through Notification. An owned component must therefore be created
/// with new; one without an owner belongs to whoever created it.

#include "kwgfx/platform/base/Persistent.h"

#include <vector>

namespace kw::platform {

/// What Notification reports: a component joined or left the owner's list.
enum TOperation { opInsert, opRemove };

/// A component: an object that can own others and frees them with itself; see the file's
/// description.
class TComponent : public TPersistent {
public:
    /// A component owned by AOwner (which then frees it), or by nobody.
    explicit TComponent(TComponent* AOwner = nullptr);
    /// Frees the owned components, the most recently added first, then leaves the owner.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    /// The owner, or null.
    TComponent* Owner() const { return FOwner; }
    /// The number of owned components.
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    /// The owned component at Index, 0 to ComponentCount() - 1, in the order they joined;
    /// std::out_of_range beyond.
    TComponent* Components(int Index) const { return FComponents.at(Index); }

protected:
    /// Called on the owner when a component joins (opInsert) or leaves (opRemove) its list.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
};

} // namespace kw::platform
