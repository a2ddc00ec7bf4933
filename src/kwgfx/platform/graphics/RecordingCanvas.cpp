// SPDX-License-Identifier: MIT
// TRecordingCanvas: recording of calls with state snapshots, measuring by the fixed text
// model, and the text form of the record.
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/FixedTextModel.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <sstream>

namespace kw::platform {

namespace {

bool SameNameIgnoringCase(std::string_view A, std::string_view B) {
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const char* PenStyleName(TPenStyle S) {
    static const char* const names[] = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                        "psDashDotDot", "psClear", "psInsideFrame"};
    return S <= psInsideFrame ? names[S] : "ps?";
}

const char* BrushStyleName(TBrushStyle S) {
    static const char* const names[] = {"bsSolid",    "bsClear",     "bsHorizontal",
                                        "bsVertical", "bsFDiagonal", "bsBDiagonal",
                                        "bsCross",    "bsDiagCross"};
    return S <= bsDiagCross ? names[S] : "bs?";
}

std::string Hex(TColor C) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(C));
    return buf;
}

// Quotes text with C-style escapes for control characters, so the record stays one line.
std::string Quoted(std::string_view Text) {
    std::string out = "\"";
    for (char c : Text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(c));
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The shortest text that reads back as the same double.
std::string Number(double V) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, V).ptr);
}

bool IsTextCall(const std::string& Name) {
    return Name == "TextOut" || Name == "DrawText";
}

} // namespace

std::string TCanvasCall::ToString() const {
    std::ostringstream out;
    out << Name << '(';
    bool first = true;
    auto sep = [&] {
        if (!first) out << ", ";
        first = false;
    };
    if (IsTextCall(Name)) {
        sep();
        out << Quoted(Text);
    }
    for (int32_t a : Args) {
        sep();
        out << a;
    }
    if (Name == "Polygon" || Name == "Polyline" || Name == "PolyPolygon") {
        sep();
        out << '[';
        for (std::size_t i = 0; i < Points.size(); ++i)
            out << (i ? " " : "") << Points[i].X << ',' << Points[i].Y;
        out << ']';
    }
    if (Name == "PolyPolygonF") {
        sep();
        out << '[';
        for (std::size_t i = 0; i < PointsF.size(); ++i)
            out << (i ? " " : "") << Number(PointsF[i].X) << ',' << Number(PointsF[i].Y);
        out << ']';
    }
    if (Name == "GradientFill") {
        sep();
        out << "vertices [";
        for (std::size_t i = 0; i < Vertices.size(); ++i) {
            const TTriVertex& v = Vertices[i];
            out << (i ? " " : "") << v.x << ',' << v.y << ':' << v.Red << '/' << v.Green << '/'
                << v.Blue << '/' << v.Alpha;
        }
        out << "], triangles [";
        for (std::size_t i = 0; i < Triangles.size(); ++i)
            out << (i ? " " : "") << Triangles[i].Vertex1 << ',' << Triangles[i].Vertex2 << ','
                << Triangles[i].Vertex3;
        out << ']';
    }
    out << ')';
    if (Name == "LineTo") out << " from " << PenPos.X << ',' << PenPos.Y;
    out << " pen{" << Hex(Pen.Color) << ' ' << PenStyleName(Pen.Style) << ' ' << Pen.Width << '}';
    out << " brush{" << Hex(Brush.Color) << ' ' << BrushStyleName(Brush.Style) << '}';
    if (IsTextCall(Name))
        out << " font{" << Quoted(Font.Name) << " h" << Font.Height << " style"
            << int(Font.Style.ToBits()) << ' ' << Hex(Font.Color) << " orient" << Font.Orientation
            << '}';
    return out.str();
}

std::ostream& operator<<(std::ostream& Out, const TCanvasCall& Call) {
    return Out << Call.ToString();
}

std::vector<std::string> TRecordingCanvas::Names() const {
    std::vector<std::string> names;
    names.reserve(FCalls.size());
    for (const TCanvasCall& c : FCalls) names.push_back(c.Name);
    return names;
}

std::vector<TCanvasCall> TRecordingCanvas::CallsNamed(std::string_view Name) const {
    std::vector<TCanvasCall> out;
    for (const TCanvasCall& c : FCalls)
        if (c.Name == Name) out.push_back(c);
    return out;
}

std::string TRecordingCanvas::ToString() const {
    std::string out;
    for (const TCanvasCall& c : FCalls) out += c.ToString() + '\n';
    return out;
}

void TRecordingCanvas::AddBitmapFace(std::string_view Name) {
    FBitmapFaces.emplace_back(Name);
}

void TRecordingCanvas::Record(TCanvasCall Call) {
    Call.PenPos = PenPos();
    Call.Pen = {Pen().Color(), Pen().Style(), Pen().Width()};
    Call.Brush = {Brush().Color(), Brush().Style()};
    const TFont& f = Font();
    Call.Font = {f.Name(),    f.Height(), f.Style(),      f.Color(),
                 f.Charset(), f.Pitch(),  f.Orientation()};
    const bool fail = !FFailOn.empty() && Call.Name == FFailOn;
    const std::string name = Call.Name;
    FCalls.push_back(std::move(Call));
    if (fail) throw Exception("Recording canvas: " + name + " failed as asked");
}

static std::vector<int32_t> BoxArgs(const TRect& R) {
    return {R.Left, R.Top, R.Right, R.Bottom};
}

static TCanvasCall MakeCall(std::string Name, std::vector<int32_t> Args = {},
                            std::string_view Text = {}) {
    TCanvasCall call;
    call.Name = std::move(Name);
    call.Args = std::move(Args);
    call.Text = std::string(Text);
    return call;
}

void TRecordingCanvas::DoMoveTo(int32_t X, int32_t Y) {
    Record(MakeCall("MoveTo", {X, Y}));
}

void TRecordingCanvas::DoLineTo(TPoint, TPoint To) {
    Record(MakeCall("LineTo", {To.X, To.Y}));
}

void TRecordingCanvas::DoPolygon(std::span<const TPoint> Points) {
    TCanvasCall call = MakeCall("Polygon");
    call.Points.assign(Points.begin(), Points.end());
    Record(std::move(call));
}

void TRecordingCanvas::DoPolyPolygon(std::span<const std::vector<TPoint>> Polygons,
                                     TPolyFillMode FillMode) {
    TCanvasCall call = MakeCall("PolyPolygon", {static_cast<int32_t>(FillMode)});
    for (const std::vector<TPoint>& figure : Polygons) {
        call.Args.push_back(static_cast<int32_t>(figure.size()));
        call.Points.insert(call.Points.end(), figure.begin(), figure.end());
    }
    Record(std::move(call));
}

void TRecordingCanvas::DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                                      TPolyFillMode FillMode) {
    TCanvasCall call = MakeCall("PolyPolygonF", {static_cast<int32_t>(FillMode)});
    for (const std::vector<TPointD>& figure : Polygons) {
        call.Args.push_back(static_cast<int32_t>(figure.size()));
        call.PointsF.insert(call.PointsF.end(), figure.begin(), figure.end());
    }
    Record(std::move(call));
}

void TRecordingCanvas::DoPolyline(std::span<const TPoint> Points) {
    TCanvasCall call = MakeCall("Polyline");
    call.Points.assign(Points.begin(), Points.end());
    Record(std::move(call));
}

void TRecordingCanvas::DoRectangle(const TRect& Box) {
    Record(MakeCall("Rectangle", BoxArgs(Box)));
}

void TRecordingCanvas::DoRoundRect(const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) {
    std::vector<int32_t> args = BoxArgs(Box);
    args.push_back(CornerWidth);
    args.push_back(CornerHeight);
    Record(MakeCall("RoundRect", std::move(args)));
}

void TRecordingCanvas::DoEllipse(const TRect& Box) {
    Record(MakeCall("Ellipse", BoxArgs(Box)));
}

void TRecordingCanvas::DoChord(const TRect& Box, TPoint Start, TPoint End) {
    std::vector<int32_t> args = BoxArgs(Box);
    args.insert(args.end(), {Start.X, Start.Y, End.X, End.Y});
    Record(MakeCall("Chord", std::move(args)));
}

void TRecordingCanvas::DoPie(const TRect& Box, TPoint Start, TPoint End) {
    std::vector<int32_t> args = BoxArgs(Box);
    args.insert(args.end(), {Start.X, Start.Y, End.X, End.Y});
    Record(MakeCall("Pie", std::move(args)));
}

void TRecordingCanvas::DoFillRect(const TRect& Rect) {
    Record(MakeCall("FillRect", BoxArgs(Rect)));
}

void TRecordingCanvas::DoDraw(int32_t X, int32_t Y, const TGraphic& Graphic) {
    Record(MakeCall("Draw", {X, Y, Graphic.Width(), Graphic.Height()}));
}

void TRecordingCanvas::DoStretchDraw(const TRect& Rect, const TGraphic& Graphic) {
    std::vector<int32_t> args = BoxArgs(Rect);
    args.push_back(Graphic.Width());
    args.push_back(Graphic.Height());
    Record(MakeCall("StretchDraw", std::move(args)));
}

void TRecordingCanvas::DoTextOut(int32_t X, int32_t Y, std::string_view Text) {
    Record(MakeCall("TextOut", {X, Y}, Text));
}

TSize TRecordingCanvas::DoTextExtent(std::string_view Text) {
    return FixedTextModelExtent(Font(), Text);
}

TTextMetric TRecordingCanvas::DoGetTextMetrics() {
    const std::string face = Font().FaceName();
    const bool bitmap =
        std::any_of(FBitmapFaces.begin(), FBitmapFaces.end(),
                    [&](const std::string& b) { return SameNameIgnoringCase(b, face); });
    return FixedTextModelMetrics(Font(), bitmap);
}

void TRecordingCanvas::DoGradientFill(std::span<const TTriVertex> Vertices,
                                      std::span<const TGradientTriangle> Triangles) {
    TCanvasCall call = MakeCall("GradientFill");
    call.Vertices.assign(Vertices.begin(), Vertices.end());
    call.Triangles.assign(Triangles.begin(), Triangles.end());
    Record(std::move(call));
}

int32_t TRecordingCanvas::DoDrawText(std::string_view Text, TRect& Rect, uint32_t Flags) {
    std::vector<int32_t> args = BoxArgs(Rect);
    args.push_back(static_cast<int32_t>(Flags));
    Record(MakeCall("DrawText", std::move(args), Text));
    // The layout runs for its result and the measured rectangle; lines are not recorded.
    return LayoutText(Text, Rect, Flags, false);
}

} // namespace kw::platform
