// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/DirectionGradient.h"

#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/drawing/KwColorValues.h"

#include <array>
#include <vector>

namespace kw {

namespace {

// The two triangles that cover the four corners (0 top left, 1 top right, 2 bottom right,
// 3 bottom left), split along the diagonal from top right to bottom left.
constexpr platform::TGradientTriangle DiagonalTriangles[2] = {{0, 1, 3}, {1, 2, 3}};

struct TCornerRoles {
    int Start, End, Middle1, Middle2;
};

void SetVertexColor(platform::TTriVertex& Vertex, TColor Color) {
    // Byte channels into the 16-bit fields; no system colour resolution.
    const TRGB rgb = ColorToRGB(Color);
    Vertex.Red = static_cast<uint16_t>(rgb.R << 8);
    Vertex.Green = static_cast<uint16_t>(rgb.G << 8);
    Vertex.Blue = static_cast<uint16_t>(rgb.B << 8);
}

// The four corner vertices of a diagonal gradient; false when it draws nothing or
// Direction is not diagonal.
bool DiagonalGradientVertices(const TRect& Rect, std::span<const TColor> Colors,
                              TGradientDirection Direction,
                              std::array<platform::TTriVertex, 4>& Vertices) {
    TCornerRoles roles{};
    switch (Direction) {
    case gdDownRight:
        roles = {0, 2, 1, 3};
        break;
    case gdDownLeft:
        roles = {1, 3, 0, 2};
        break;
    case gdUpRight:
        roles = {3, 1, 0, 2};
        break;
    case gdUpLeft:
        roles = {2, 0, 1, 3};
        break;
    default:
        return false;
    }
    if (Rect.Right == 0 || Rect.Bottom == 0 || Colors.empty()) return false;

    Vertices = {};
    Vertices[0].x = Rect.Left;
    Vertices[0].y = Rect.Top;
    Vertices[1].x = Rect.Right;
    Vertices[1].y = Rect.Top;
    Vertices[2].x = Rect.Right;
    Vertices[2].y = Rect.Bottom;
    Vertices[3].x = Rect.Left;
    Vertices[3].y = Rect.Bottom;

    platform::TTriVertex& start = Vertices[roles.Start];
    platform::TTriVertex& end = Vertices[roles.End];
    SetVertexColor(start, Colors[0]);
    SetVertexColor(end, Colors.size() > 1 ? Colors[1] : Colors[0]);
    platform::TTriVertex& middle = Vertices[roles.Middle1];
    middle.Red = static_cast<uint16_t>((start.Red + end.Red) / 2);
    middle.Green = static_cast<uint16_t>((start.Green + end.Green) / 2);
    middle.Blue = static_cast<uint16_t>((start.Blue + end.Blue) / 2);
    platform::TTriVertex& other = Vertices[roles.Middle2];
    other.Red = middle.Red;
    other.Green = middle.Green;
    other.Blue = middle.Blue;
    return true;
}

} // namespace

void DirectionGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int32_t Step) {
    switch (Direction) {
    case gdDown:
    case gdRight:
        LineGradient(Canvas, Rect, Colors, Step, Direction == gdDown ? diVertical : diHorizontal,
                     1.0f);
        return;
    case gdUp:
    case gdLeft: {
        const std::vector<TColor> reversed(Colors.rbegin(), Colors.rend());
        LineGradient(Canvas, Rect, reversed, Step, Direction == gdUp ? diVertical : diHorizontal,
                     1.0f);
        return;
    }
    default:
        break;
    }
    std::array<platform::TTriVertex, 4> vertices;
    if (!DiagonalGradientVertices(Rect, Colors, Direction, vertices)) return;
    Canvas.GradientFill(vertices, DiagonalTriangles);
}

void DirectionGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int32_t Step, float) {
    DirectionGradient(Canvas, Rect, Colors, Direction, Step);
}

} // namespace kw
