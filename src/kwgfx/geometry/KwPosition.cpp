// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwPosition.h"

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/geometry/KwPointText.h"
#include "kwgfx/platform/base/Math.h"
#include "kwgfx/platform/streams/Filer.h"
#include "kwgfx/platform/streams/PropertyReader.h"
#include "kwgfx/platform/streams/PropertyWriter.h"

namespace kw {

TKwPosition::TKwPosition(const TKwPoint& DefaultValue)
    : FY(DefaultValue.Y), FX(DefaultValue.X), FDefaultValue(DefaultValue) {}

void TKwPosition::Assign(const platform::TPersistent& Source) {
    if (const auto* p = dynamic_cast<const TKwPosition*>(&Source)) {
        SetPoint(p->Point());
        return;
    }
    TPersistent::Assign(Source);
}

void TKwPosition::SetPoint(const TKwPoint& P) {
    FX = P.X;
    FY = P.Y;
    Change();
}

void TKwPosition::SetPointNoChange(const TKwPoint& P) {
    FX = P.X;
    FY = P.Y;
}

void TKwPosition::SetX(float Value) {
    if (Value == FX) return;
    FX = Value;
    Change();
}

void TKwPosition::SetY(float Value) {
    if (Value == FY) return;
    FY = Value;
    Change();
}

void TKwPosition::SetVector(const TKwVector& V) {
    SetPoint({V.X, V.Y});
}

void TKwPosition::Reflect(const TKwVector& Normal) {
    const float d = FX * Normal.X + FY * Normal.Y;
    SetVector({FX - 2 * d * Normal.X, FY - 2 * d * Normal.Y, 1});
}

bool TKwPosition::IsXStored() const {
    return !platform::SameValue(FX, FDefaultValue.X, Epsilon);
}

bool TKwPosition::IsYStored() const {
    return !platform::SameValue(FY, FDefaultValue.Y, Epsilon);
}

platform::TPublishedProperties TKwPosition::GetPublishedProperties() {
    auto props = TPersistent::GetPublishedProperties();
    props.push_back(platform::TPublishedProperty::Single(
                        "X", [this] { return FX; }, [this](float V) { SetX(V); })
                        .StoredIf([this] { return IsXStored(); }));
    props.push_back(platform::TPublishedProperty::Single(
                        "Y", [this] { return FY; }, [this](float V) { SetY(V); })
                        .StoredIf([this] { return IsYStored(); }));
    return props;
}

void TKwPosition::DefineProperties(platform::TFiler& Filer) {
    TPersistent::DefineProperties(Filer);
    Filer.DefineProperty(
        "Point", [this](platform::TReader& R) { ReadPoint(R); },
        [this](platform::TWriter& W) { WritePoint(W); }, false);
}

void TKwPosition::ReadPoint(platform::TReader& Reader) {
    SetPoint(StringToKwPoint(Reader.ReadString()));
}

void TKwPosition::WritePoint(platform::TWriter& Writer) {
    Writer.WriteString(KwPointToString(Point()));
}

void TKwPosition::Change() {
    if (FOnChange) FOnChange(this);
}

} // namespace kw
