// Image lists and in-memory pictures: adding and fetching images, scaling to the list's
// size, drawing enabled and disabled, and the image-list form of DrawShape.
#include "kwgfx/KwVclGraphics.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/PixelImage.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kw;
using namespace kw::platform;

namespace {

constexpr uint32_t Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, White = 0xFFFFFFFF;

// A 2 x 2 picture: red, green over blue, white.
std::shared_ptr<TPixelImage> Quad() {
    auto image = std::make_shared<TPixelImage>(2, 2);
    image->SetPixel(0, 0, Red);
    image->SetPixel(1, 0, Green);
    image->SetPixel(0, 1, Blue);
    image->SetPixel(1, 1, White);
    return image;
}

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

std::vector<std::string> Drawing(const TRecordingCanvas& C) {
    std::vector<std::string> lines;
    for (const TCanvasCall& call : C.Calls()) lines.push_back(call.ToString());
    return lines;
}

} // namespace

TEST(PixelImage, SizesPixelsAndCopies) {
    TPixelImage image(3, -2);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_TRUE(image.Empty());
    EXPECT_THROW(image.SetSize(1 << 20, 1 << 20), ERangeError);
    EXPECT_EQ(image.Width(), 3) << "a refused size leaves the image as it was";

    const auto quad = Quad();
    EXPECT_EQ(quad->Pixel(1, 0), Green);
    EXPECT_EQ(quad->Pixel(2, 0), 0u);
    EXPECT_EQ(quad->Pixel(-1, 0), 0u);
    quad->SetPixel(5, 5, Red); // outside: ignored
    image.Assign(*quad);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Pixel(0, 1), Blue);
    EXPECT_THROW(image.Assign(TPen()), EAssignError);
}

TEST(PixelImage, StretchTakesTheNearestSourcePixel) {
    TPixelImage big(4, 4);
    big.StretchFrom(*Quad());
    const uint32_t expected[4][4] = {{Red, Red, Green, Green},
                                     {Red, Red, Green, Green},
                                     {Blue, Blue, White, White},
                                     {Blue, Blue, White, White}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(big.Pixel(x, y), expected[y][x]) << x << "," << y;

    // Shrinking a 4 x 4 checker of distinct values picks the pixels at (1, 1), (3, 1), ...
    TPixelImage source(4, 4);
    for (int i = 0; i < 16; ++i) source.Pixels()[i] = 0xFF000000u | i;
    TPixelImage small(2, 2);
    small.StretchFrom(source);
    EXPECT_EQ(small.Pixel(0, 0), 0xFF000000u | 5);
    EXPECT_EQ(small.Pixel(1, 1), 0xFF000000u | 15);
    small.StretchFrom(TPixelImage());
    EXPECT_EQ(small.Pixel(0, 0), 0u) << "an empty source leaves transparent pixels";
}

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

TEST(ImageListShape, OtherStylesAreThePlainShapes) {
    TImageList list(4, 4);
    list.Add(Quad());
    const TRect r(40, 30, 0, 0);
    for (TKwShapeStyle style : {ssRectangle, ss3DEllipse, ssDiamond, ss3DRoundSquare}) {
        TRecordingCanvas withList, plain;
        const TRect got = DrawShape(withList, r, &list, 0, style, ssImage, false, clRed, clBlue, 2);
        const TRect want = DrawShape(plain, r, nullptr, style, false, clRed, clBlue, 2, 1.0f);
        EXPECT_EQ(got, want);
        ASSERT_FALSE(plain.Calls().empty());
        EXPECT_EQ(Drawing(withList), Drawing(plain)) << int(style);
    }
}

TEST(ImageListShape, MissingImagesFallBackWithSystemBevelColours) {
    TImageList list(4, 4);
    list.Add(Quad());
    const TRect r(0, 0, 30, 20);
    TRecordingCanvas expected;
    DrawShape(expected, r, nullptr, ss3DEllipse, true, clBtnHighlight, clBtnShadow, 3, 1.0f);
    for (auto [images, index] : {std::pair<const TImageList*, int32_t>{nullptr, 0},
                                 {&list, -1},
                                 {&list, 1},
                                 {&list, -2}}) {
        for (TKwShapeStyle style : {ssImage, ss3DImage}) {
            TRecordingCanvas c;
            const TRect got =
                DrawShape(c, r, images, index, style, ss3DEllipse, false, clRed, clBlue, 7);
            EXPECT_EQ(Drawing(c), Drawing(expected)) << "index " << index;
            EXPECT_EQ(got, TRect(3, 3, 27, 17));
        }
    }
    // The bevel halves really are in the system colours.
    const auto chords = expected.CallsNamed("Chord");
    ASSERT_EQ(chords.size(), 2u);
    EXPECT_EQ(chords[0].Brush.Color, clBtnHighlight);
    EXPECT_EQ(chords[1].Brush.Color, clBtnShadow);
}

TEST(ImageListShape, ImageFallbackEndsInARectangle) {
    for (TKwShapeStyle fallback : {ssImage, ss3DImage}) {
        TRecordingCanvas c;
        const TRect got = DrawShape(c, TRect(0, 0, 10, 10), nullptr, 0, ssImage, fallback, false,
                                    clRed, clBlue, 2);
        EXPECT_EQ(c.Names(), std::vector<std::string>{"Rectangle"});
        EXPECT_EQ(got, TRect(0, 0, 10, 10));
    }
}

TEST(ImageListShape, DrawsTheImageStretchedOrAtTheListSize) {
    TImageList list(6, 5);
    list.Add(Quad());
    TRecordingCanvas c;
    TRect got =
        DrawShape(c, TRect(10, 10, 50, 40), &list, 0, ssImage, ssEllipse, true, clRed, clBlue, 2);
    EXPECT_EQ(got, TRect(10, 10, 50, 40));
    ASSERT_EQ(c.Names(), std::vector<std::string>{"StretchDraw"});
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int32_t>{10, 10, 50, 40, 6, 5}));

    c.Clear();
    got =
        DrawShape(c, TRect(10, 10, 50, 40), &list, 0, ssImage, ssEllipse, false, clRed, clBlue, 2);
    ASSERT_EQ(c.Names(), std::vector<std::string>{"Draw"});
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int32_t>{10, 10, 6, 5}));
}

TEST(ImageListShape, ThreeDImageDrawsInsideASquareBevel) {
    TImageList list(6, 5);
    list.Add(Quad());
    TRecordingCanvas c;
    const TRect got =
        DrawShape(c, TRect(10, 10, 50, 40), &list, 0, ss3DImage, ssEllipse, true, clRed, clBlue, 2);
    EXPECT_EQ(got, TRect(12, 12, 48, 38));
    const auto lines = c.CallsNamed("Polyline");
    ASSERT_EQ(lines.size(), 4u) << c.ToString();
    EXPECT_EQ(lines[0].Pen.Color, clRed);
    EXPECT_EQ(lines[1].Pen.Color, clBlue);
    ASSERT_EQ(c.Names().back(), "StretchDraw");
    EXPECT_EQ(c.Calls().back().Args, (std::vector<int32_t>{12, 12, 48, 38, 6, 5}));
}
