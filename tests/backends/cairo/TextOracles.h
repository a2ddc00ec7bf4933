// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the text tests that check the canvas against tools outside the library: running
// a program, the font fontconfig would take for a text, binarised ink and its overlap.

#include "kwgfx/backends/cairo/Bitmap.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace kwtest {

// Standard output of a shell command.
inline std::string RunCommand(const std::string& Command) {
    std::string out;
    if (FILE* pipe = ::popen(Command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

inline void WriteFile(const std::string& Path, const std::string& Text) {
    std::ofstream(Path, std::ios::binary) << Text;
}

// The code points of valid UTF-8.
inline std::vector<uint32_t> CodePoints(const std::string& S) {
    std::vector<uint32_t> out;
    for (std::size_t i = 0; i < S.size();) {
        const auto c = static_cast<unsigned char>(S[i]);
        const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        uint32_t cp = len == 1 ? c : c & (0xFF >> (len + 1));
        for (int k = 1; k < len; ++k) cp = (cp << 6) | (S[i + k] & 0x3F);
        out.push_back(cp);
        i += len;
    }
    return out;
}

// A font file and face that has every character of a text.
struct TFontFile {
    std::string File;
    int Index = 0;
    std::string Family;
};

// The first font in fontconfig's order for Family that has every character of Text: the
// one a fallback to that family's list picks for all of it.
inline std::optional<TFontFile> CoveringFont(const std::string& Text, const std::string& Family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    std::optional<TFontFile> found;
    for (int i = 0; fonts && i < fonts->nfont && !found; ++i) {
        FcCharSet* chars = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &chars) != FcResultMatch) continue;
        bool all = true;
        for (uint32_t cp : CodePoints(Text))
            if (cp != ' ' && !FcCharSetHasChar(chars, cp)) all = false;
        FcChar8 *file = nullptr, *family = nullptr;
        int index = 0;
        if (!all || FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch ||
            FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch)
            continue;
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &index);
        found = TFontFile{reinterpret_cast<char*>(file), index, reinterpret_cast<char*>(family)};
    }
    if (fonts) FcFontSetDestroy(fonts);
    return found;
}

// Binarised ink: pixels darker than mid-grey in some channel, cropped to their box.
struct TInkMask {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Ink;
    int Colourful = 0; // inked pixels whose channels differ by more than a third
    int Count() const { return int(std::count(Ink.begin(), Ink.end(), 1)); }
    bool At(int X, int Y) const {
        return X >= 0 && Y >= 0 && X < Width && Y < Height && Ink[std::size_t(Y) * Width + X];
    }
};

inline TInkMask InkMask(const kw::platform::TBitmap& B) {
    int l = B.Width(), t = B.Height(), r = -1, b = -1;
    const auto inked = [&](int X, int Y) {
        const auto p = B.GetPixelRGBA(X, Y);
        return p.A >= 128 && std::min({p.R, p.G, p.B}) < 128;
    };
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x)
            if (inked(x, y))
                l = std::min(l, x), t = std::min(t, y), r = std::max(r, x), b = std::max(b, y);
    TInkMask m;
    if (r < 0) return m;
    m.Width = r - l + 1;
    m.Height = b - t + 1;
    m.Ink.resize(std::size_t(m.Width) * m.Height);
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) {
            const bool ink = inked(x, y);
            m.Ink[std::size_t(y - t) * m.Width + (x - l)] = ink;
            const auto p = B.GetPixelRGBA(x, y);
            if (ink && std::max({p.R, p.G, p.B}) - std::min({p.R, p.G, p.B}) > 85) ++m.Colourful;
        }
    return m;
}

// Intersection over union of two masks placed by their top-left corners, best over shifts of
// up to two pixels (placements differ by sub-pixel rounding).
inline double InkIoU(const TInkMask& A, const TInkMask& B) {
    double best = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            int both = 0, either = 0;
            const int w = std::max(A.Width, B.Width + dx) + 2,
                      h = std::max(A.Height, B.Height + dy) + 2;
            for (int y = -2; y < h; ++y)
                for (int x = -2; x < w; ++x) {
                    const bool a = A.At(x, y), b = B.At(x - dx, y - dy);
                    both += a && b;
                    either += a || b;
                }
            if (either > 0) best = std::max(best, double(both) / either);
        }
    return best;
}

} // namespace kwtest
