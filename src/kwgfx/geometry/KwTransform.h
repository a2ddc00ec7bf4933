// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwTransform: an observable affine transform composed from a position (translation),
/// a scale, a skew and a rotation angle in degrees, for components to publish. It owns
/// its four TKwPosition objects; a change of any of them recomposes the matrix and fires
/// OnChanged once.

#include "kwgfx/geometry/KwPosition.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"
#include "kwgfx/platform/base/Persistent.h"

#include <memory>

namespace kw {

/// An observable affine transform made of a position, a scale, a skew and a rotation; see the
/// file's description.
class TKwTransform : public platform::TPersistent {
public:
    /// Identity matrix, angle 0; Position (0,0), Scale (1,1), Skew (0,0), RotationCenter
    /// (0.5,0.5), each reporting its changes to this transform. No notification.
    TKwTransform();
    /// Frees RotationCenter, Scale, Skew and Position, in that order.
    ~TKwTransform() override;
    TKwTransform(const TKwTransform&) = delete;
    TKwTransform& operator=(const TKwTransform&) = delete;

    /// From another transform: the points of its four positions, copied without their
    /// notifications, then one recomposition and one OnChanged. The rotation angle is not
    /// copied. Other sources go to the persistent base, which refuses them.
    void Assign(const platform::TPersistent& Source) override;

    /// The composed matrix (row vectors, see KwVectorTypes.h).
    const TKwMatrix& Matrix() const { return FMatrix; }

    /// The owned positions. The setters copy Value into them through Assign (one
    /// notification); the owned objects stay the same objects.
    ///@{
    TKwPosition& Position() const { return *FPosition; }
    TKwPosition& Scale() const { return *FScale; }
    TKwPosition& Skew() const { return *FSkew; }
    ///@}
    /// Stored and streamed for the components that use the transform; not part of the matrix.
    TKwPosition& RotationCenter() const { return *FRotationCenter; }
    /// Copies Value's point into the owned position through Assign (one notification).
    ///@{
    void SetPosition(const TKwPosition& Value) { FPosition->Assign(Value); }
    void SetScale(const TKwPosition& Value) { FScale->Assign(Value); }
    void SetSkew(const TKwPosition& Value) { FSkew->Assign(Value); }
    void SetRotationCenter(const TKwPosition& Value) { FRotationCenter->Assign(Value); }
    ///@}

    /// The rotation angle in degrees.
    float RotationAngle() const { return FRotationAngle; }
    /// Stores the angle and recomposes when it differs (exact comparison).
    void SetRotationAngle(float Value);

    /// Called with this transform after every recomposition.
    const TNotifyEvent& OnChanged() const { return FOnChanged; }
    /// Sets the change listener.
    void SetOnChanged(TNotifyEvent Value) { FOnChanged = std::move(Value); }
    /// Asked for the shape's rectangle when a rotation is composed: the rotation turns
    /// about its centre (about the origin without a handler). The handler receives an
    /// all-zero rectangle to fill.
    const TKwGetRectEvent& OnGetShapeRect() const { return FOnGetShapeRect; }
    /// Sets the shape rectangle handler.
    void SetOnGetShapeRect(TKwGetRectEvent Value) { FOnGetShapeRect = std::move(Value); }

    /// Position, Scale, Skew (nested, read and written in place), RotationAngle (single,
    /// not written when 0), RotationCenter (nested).
    platform::TPublishedProperties GetPublishedProperties() override;

protected:
    /// Recomposes the matrix: scale, skew (third column) and translation, then the rotation
    /// applied after them; then Change.
    void MatrixChanged(TObject* Sender);
    /// Calls OnChanged(this) when assigned.
    virtual void Change();

    TKwMatrix FMatrix = KwIdentityMatrix;   ///< The composed matrix.
    float FRotationAngle = 0;               ///< The rotation angle in degrees.
    std::unique_ptr<TKwPosition> FPosition; ///< The translation.
    std::unique_ptr<TKwPosition> FScale;    ///< The scale factors.
    std::unique_ptr<TKwPosition> FSkew;     ///< The skew.
    /// The rotation centre, relative to the shape rectangle.
    std::unique_ptr<TKwPosition> FRotationCenter;
    TNotifyEvent FOnChanged;         ///< The change listener.
    TKwGetRectEvent FOnGetShapeRect; ///< The shape rectangle handler.
};

} // namespace kw
