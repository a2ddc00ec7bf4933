// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwTransform.h"

#include "kwgfx/geometry/KwCenters.h"
#include "kwgfx/geometry/KwMatrix.h"

#include <numbers>

namespace kw {

TKwTransform::TKwTransform()
    : FPosition(std::make_unique<TKwPosition>(TKwPoint(0, 0))),
      FScale(std::make_unique<TKwPosition>(TKwPoint(1, 1))),
      FSkew(std::make_unique<TKwPosition>(TKwPoint(0, 0))),
      FRotationCenter(std::make_unique<TKwPosition>(TKwPoint(0.5f, 0.5f))) {
    const TNotifyEvent changed = [this](TObject* Sender) { MatrixChanged(Sender); };
    FPosition->SetOnChange(changed);
    FScale->SetOnChange(changed);
    FSkew->SetOnChange(changed);
    FRotationCenter->SetOnChange(changed);
}

TKwTransform::~TKwTransform() {
    FRotationCenter.reset();
    FScale.reset();
    FSkew.reset();
    FPosition.reset();
}

void TKwTransform::Assign(const platform::TPersistent& Source) {
    if (const auto* t = dynamic_cast<const TKwTransform*>(&Source)) {
        FPosition->SetPointNoChange(t->FPosition->Point());
        FScale->SetPointNoChange(t->FScale->Point());
        FSkew->SetPointNoChange(t->FSkew->Point());
        FRotationCenter->SetPointNoChange(t->FRotationCenter->Point());
        MatrixChanged(this);
        return;
    }
    TPersistent::Assign(Source);
}

void TKwTransform::SetRotationAngle(float Value) {
    if (Value == FRotationAngle) return;
    FRotationAngle = Value;
    MatrixChanged(this);
}

void TKwTransform::MatrixChanged(TObject*) {
    FMatrix = KwIdentityMatrix;
    FMatrix.m31() = FPosition->X();
    FMatrix.m32() = FPosition->Y();
    FMatrix.m13() = FSkew->X();
    FMatrix.m23() = FSkew->Y();
    FMatrix.m11() = FScale->X();
    FMatrix.m22() = FScale->Y();
    if (FRotationAngle != 0) {
        const auto radians = static_cast<float>(static_cast<long double>(FRotationAngle) *
                                                std::numbers::pi_v<long double> / 180);
        TKwMatrix rotation;
        if (FOnGetShapeRect) {
            TKwRect shape;
            FOnGetShapeRect(this, shape);
            rotation = CreateRotationKwMatrix(KwCenterPoint(shape), radians);
        } else {
            rotation = CreateRotationKwMatrix(radians);
        }
        FMatrix = KwMatrixMultiply(FMatrix, rotation);
    }
    Change();
}

void TKwTransform::Change() {
    if (FOnChanged) FOnChanged(this);
}

platform::TPublishedProperties TKwTransform::GetPublishedProperties() {
    using platform::TPublishedProperty;
    auto props = TPersistent::GetPublishedProperties();
    props.push_back(TPublishedProperty::Object("Position", [this] { return FPosition.get(); }));
    props.push_back(TPublishedProperty::Object("Scale", [this] { return FScale.get(); }));
    props.push_back(TPublishedProperty::Object("Skew", [this] { return FSkew.get(); }));
    props.push_back(TPublishedProperty::Single(
        "RotationAngle", [this] { return FRotationAngle; },
        [this](float V) { SetRotationAngle(V); }, 0.0f));
    props.push_back(
        TPublishedProperty::Object("RotationCenter", [this] { return FRotationCenter.get(); }));
    return props;
}

} // namespace kw
