// SPDX-License-Identifier: MIT
// A component-like object that embeds the persistent geometry objects and a path, saved
// to a file and loaded back.
#include "kwgfx/geometry/KwObjectKwRect.h"
#include "kwgfx/geometry/KwTransform.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kw {
namespace {

// A component-like object that embeds the geometry objects and a path.
class TShapeComponent : public platform::TPersistent {
public:
    TKwTransform Transform;
    TKwObjectKwRect Bounds;
    TKwPathData Path;
    int Changes = 0;

    TShapeComponent() {
        Transform.SetOnChanged([this](TObject*) { ++Changes; });
        Bounds.SetOnChange([this](TObject*) { ++Changes; });
        Path.SetOnChanged([this](TObject*) { ++Changes; });
    }

    platform::TPublishedProperties GetPublishedProperties() override {
        using platform::TPublishedProperty;
        auto props = TPersistent::GetPublishedProperties();
        props.push_back(TPublishedProperty::Object("Transform", [this] { return &Transform; }));
        props.push_back(TPublishedProperty::Object("Bounds", [this] { return &Bounds; }));
        props.push_back(TPublishedProperty::Object("Path", [this] { return &Path; }));
        return props;
    }
};

TEST(PersistentGeometry, ComponentRoundTripsThroughAFile) {
    TShapeComponent saved;
    saved.Transform.Position().SetPoint({12.5f, -3});
    saved.Transform.Scale().SetX(0.1f);
    saved.Transform.SetRotationAngle(30);
    saved.Bounds.SetBoundsRect({1, 2, 3.75f, 4});
    saved.Path.MoveTo({0, 0});
    saved.Path.CurveTo({1, 2}, {3, 4}, {5, 6});
    saved.Path.ClosePath();
    saved.Path.SetFillMode(fmNonZero);

    const auto file =
        (std::filesystem::temp_directory_path() / "kwgfx_shape_component.txt").string();
    platform::SaveObjectToFile(saved, file);
    TShapeComponent loaded;
    platform::LoadObjectFromFile(loaded, file);
    std::filesystem::remove(file);

    EXPECT_EQ(loaded.Transform.Position().X(), 12.5f);
    EXPECT_EQ(loaded.Transform.Position().Y(), -3);
    EXPECT_EQ(loaded.Transform.Scale().X(), 0.1f);
    EXPECT_EQ(loaded.Transform.RotationAngle(), 30);
    EXPECT_EQ(loaded.Transform.Matrix().m21(), saved.Transform.Matrix().m21());
    EXPECT_EQ(loaded.Bounds.BoundsRect().Right, 3.75f);
    ASSERT_EQ(loaded.Path.Count(), 5);
    EXPECT_EQ(loaded.Path.GetPathString(), saved.Path.GetPathString());
    EXPECT_EQ(loaded.Path.FillMode(), fmNonZero);
    EXPECT_EQ(platform::ObjectToPropertyText(loaded), platform::ObjectToPropertyText(saved));
    // Position X and Y, Scale X, angle; four edges; fill mode and entries.
    EXPECT_EQ(loaded.Changes, 4 + 4 + 2);
}

} // namespace
} // namespace kw
