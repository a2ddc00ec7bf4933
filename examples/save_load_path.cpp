// SPDX-License-Identifier: MIT
// save_load_path: a path built from shapes, saved to a file through the property stream and
// loaded back into a new path, which must be the same path.
//
//   save_load_path [FILE]          (badge.kwp unless given)
//
// Prints the saved path as SVG path data, then whether the loaded path equals it: the same
// entries, bit for bit, and the same fill mode. Ends with status 0 when it does.

#include <kwgfx/KwGraphics.h>
#include <kwgfx/platform/streams/ObjectStreaming.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

// A badge: a card with two rounded and two bevelled corners, a round hole, a half-circle
// tab made by an arc, and a tick mark from SVG path data.
void BuildBadge(kw::TKwPathData& Path) {
    Path.BeginUpdate();
    Path.AddRectangle(kw::TKwRect(0, 0, 120, 80), 12, 12, {kw::crTopLeft, kw::crBottomRight},
                      kw::ctRound);
    Path.AddRectangle(kw::TKwRect(130, 0, 250, 80), 10, 10, {kw::crTopRight, kw::crBottomLeft},
                      kw::ctBevel);
    Path.AddEllipse(kw::TKwRect(20, 20, 60, 60));
    Path.ClosePath();
    Path.MoveTo({190, 100});
    Path.AddArc({190, 100}, {30, 30}, 0, 180); // clockwise on screen: the lower half
    Path.ClosePath();
    Path.AppendSvgPathString("M80 40l8 8 16-16");
    Path.SetFillMode(kw::fmNonZero);
    Path.EndUpdate();
}

// Same entries, record for record and bit for bit, and the same fill mode.
bool SamePath(const kw::TKwPathData& A, const kw::TKwPathData& B) {
    const auto a = A.Entries(), b = B.Entries();
    return A.FillMode() == B.FillMode() && a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const auto& P, const auto& Q) {
               return std::memcmp(&P, &Q, sizeof P) == 0;
           });
}

} // namespace

int main(int argc, char** argv) {
    const std::string file = argc > 1 ? argv[1] : "badge.kwp";
    try {
        kw::TKwPathData saved;
        BuildBadge(saved);
        kw::platform::SaveObjectToFile(saved, file);

        kw::TKwPathData loaded;
        kw::platform::LoadObjectFromFile(loaded, file);

        std::printf("saved %d entries to %s\n", saved.Count(), file.c_str());
        std::printf("path: %s\n", saved.GetSvgPathString().c_str());
        const bool same = SamePath(saved, loaded);
        std::printf("%s\n", same ? "the loaded path equals the saved one"
                                 : "the loaded path differs from the saved one");
        return same ? 0 : 1;
    } catch (const std::exception& e) {
        // Stream errors say what went wrong and where (kw::platform::EReadError and others).
        std::fprintf(stderr, "save_load_path: %s\n", e.what());
        return 1;
    }
}
