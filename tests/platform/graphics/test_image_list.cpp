// SPDX-License-Identifier: MIT
// Image lists: adding, deleting and fetching images at the list's size, and drawing them
// enabled and disabled.
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/ImageList.h"
#include "kwgfx/platform/graphics/PixelImage.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include "support/QuadPicture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace kw::platform;
using namespace kw::test;

namespace {

// Keeps a copy of every picture drawn with Draw.
class TPixelCapturingCanvas : public TRecordingCanvas {
public:
    std::vector<TPixelImage> Drawn;

protected:
    void DoDraw(int32_t X, int32_t Y, const TGraphic& Graphic) override {
        TPixelImage copy;
        copy.Assign(Graphic);
        Drawn.push_back(std::move(copy));
        TRecordingCanvas::DoDraw(X, Y, Graphic);
    }
};

} // namespace

TEST(ImageList, AddsDeletesAndFetchesAtTheListSize) {
    TImageList list(4, 4);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Add(nullptr), -1);
    EXPECT_EQ(list.Add(Quad()), 0);
    EXPECT_EQ(list.Add(std::make_shared<TPixelImage>(4, 4)), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Image(2), nullptr);
    EXPECT_EQ(list.Image(-1), nullptr);

    TPixelImage fetched(1, 1);
    fetched.SetPixel(0, 0, Red);
    EXPECT_FALSE(list.GetBitmap(2, fetched));
    EXPECT_EQ(fetched.Width(), 1) << "unchanged after a failed fetch";
    ASSERT_TRUE(list.GetBitmap(0, fetched));
    EXPECT_EQ(fetched.Width(), 4);
    EXPECT_EQ(fetched.Pixel(3, 3), White);

    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Image(0)->Width(), 4);
    list.Delete(7);
    EXPECT_EQ(list.Count(), 1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(TImageList(0, -3).Width(), 1);
}

TEST(ImageList, DrawsAtTheListSizeAndGreysDisabledImages) {
    TImageList list(4, 4);
    list.Add(Quad());
    auto same = std::make_shared<TPixelImage>(4, 4);
    list.Add(same);
    TPixelCapturingCanvas c;
    list.Draw(c, 10, 20, 0);
    list.Draw(c, 30, 40, 1);
    list.Draw(c, 0, 0, 5); // out of range: nothing
    ASSERT_EQ(c.Names(), (std::vector<std::string>{"Draw", "Draw"}));
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int32_t>{10, 20, 4, 4}));
    EXPECT_EQ(c.Drawn[0].Pixel(3, 0), Green);
    EXPECT_EQ(c.Calls()[1].Args, (std::vector<int32_t>{30, 40, 4, 4}));

    list.Draw(c, 0, 0, 0, false);
    const TPixelImage& grey = c.Drawn.back();
    for (uint32_t p : {grey.Pixel(0, 0), grey.Pixel(2, 0), grey.Pixel(0, 2), grey.Pixel(3, 3)}) {
        EXPECT_EQ(p >> 24, 0xFFu);
        EXPECT_EQ((p >> 16) & 0xFF, p & 0xFF) << std::hex << p;
        EXPECT_EQ((p >> 8) & 0xFF, p & 0xFF) << std::hex << p;
        EXPECT_GE(p & 0xFF, 128u) << "disabled images are light";
    }
    EXPECT_GT(grey.Pixel(3, 3) & 0xFF, grey.Pixel(0, 2) & 0xFF) << "white stays lighter than blue";
    EXPECT_EQ(same->Pixel(0, 0), 0u) << "the list's image itself is not changed";
}
