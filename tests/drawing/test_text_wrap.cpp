// SPDX-License-Identifier: MIT
// Text wrapping against the recording canvas's text model (6 pixels per character, lines
// 15 pixels high at the default font).
#include "kwgfx/drawing/TextWrap.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TRecordingCanvas;

class TextWrap : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Canvas.TextWidth("abc"), 18);
        ASSERT_EQ(Canvas.TextHeight("abc"), 15);
    }
    std::string Wrap(std::string_view Text, float Width) {
        return WrapCanvasText(Canvas, Text, Width);
    }
    TRecordingCanvas Canvas;
};

TEST_F(TextWrap, EmptyAndSingleCharacterTexts) {
    EXPECT_EQ(Wrap("", 100), "");
    EXPECT_EQ(Wrap("x", 0), "x");
    EXPECT_EQ(Wrap("é", 0), "é");
}

TEST_F(TextWrap, TooNarrowPutsEveryChunkOnItsOwnLineKeepingTrailingSpaces) {
    EXPECT_EQ(Wrap("aa bb cc", 1), "aa \r\nbb \r\ncc");
    EXPECT_EQ(Wrap("aa bb cc", 1000), "aa bb cc");
    // A word wider than the line stands alone and is never split.
    EXPECT_EQ(Wrap("a verylongword bc", 20), "a \r\nverylongword \r\nbc");
}

TEST_F(TextWrap, ExactFitDoesNotFit) {
    // "aa " is 18 pixels, the chunk "b" (the last letter is never measured) 6 more.
    EXPECT_EQ(Wrap("aa bb", 24), "aa \r\nbb");
    EXPECT_EQ(Wrap("aa bb", 25), "aa bb");
}

TEST_F(TextWrap, HyphenStaysOnTheUpperLine) {
    EXPECT_EQ(Wrap("well-known", 40), "well-\r\nknown");
}

TEST_F(TextWrap, QuotedRunIsNeverBroken) {
    EXPECT_EQ(Wrap("\"one two three\" four", 50), "\"one two three\" \r\nfour");
    EXPECT_EQ(Wrap("x 'a b' cd", 1), "x \r\n'a b' \r\ncd") << "apostrophes quote too";
    // An unclosed quote takes the rest of the text.
    EXPECT_EQ(Wrap("x 'abc def", 1), "x \r\n'abc def");
}

TEST_F(TextWrap, LineEndsInTheText) {
    // CR LF starts a new line at width 0 and gets no inserted break.
    EXPECT_EQ(Wrap("ab\r\ncd ef", 30), "ab\r\ncd ef");
    // A CR LF chunk that does not fit still closes the line it is on.
    EXPECT_EQ(Wrap("aaaa bb\r\ncc", 40), "aaaa bb\r\ncc");
    // A lone LF does not reset the line width.
    EXPECT_EQ(Wrap("aa\nbb cc", 40), "aa\nbb \r\ncc");
}

TEST_F(TextWrap, FullFormTakesTheBreakAndTheCharacterSet) {
    const auto commas = platform::KwCharSet(",");
    EXPECT_EQ(WrapCanvasText(Canvas, "a,b,c d", "|", commas, 1), "a,|b,|c d");
    EXPECT_EQ(WrapCanvasText(Canvas, "a b", "|", {}, 1), "a b") << "no break characters";
}

TEST_F(TextWrap, CharactersAreCodePoints) {
    // "é " is two characters (12 pixels); the last character is a whole code point.
    EXPECT_EQ(Wrap("é éé", 1), "é \r\néé");
    EXPECT_EQ(Wrap("aé éé", 20), "aé \r\néé");
}
