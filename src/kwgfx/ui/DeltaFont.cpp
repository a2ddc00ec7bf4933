// SPDX-License-Identifier: MIT
#include "kwgfx/ui/DeltaFont.h"

namespace kw {

namespace {

// Sets a Boolean for its lifetime and clears it again on every exit, so that an update
// that throws part way does not block the later ones.
class TUpdateFlag {
public:
    explicit TUpdateFlag(bool& Flag) : FFlag(Flag) { FFlag = true; }
    TUpdateFlag(const TUpdateFlag&) = delete;
    TUpdateFlag& operator=(const TUpdateFlag&) = delete;
    ~TUpdateFlag() { FFlag = false; }

private:
    bool& FFlag;
};

} // namespace

const platform::TFont* TKwCustomDeltaFont::OriginalFont() {
    if (!FOnGetOriginalFont) return nullptr;
    const platform::TFont* font = nullptr;
    FOnGetOriginalFont(this, font);
    return font;
}

void TKwCustomDeltaFont::UpdateDeltas(const platform::TFont* Font) {
    using namespace platform;
    if (FUpdating || Font == nullptr) return;
    TUpdateFlag updating(FUpdating);
    FDeltas = {};
    const TFontStyles mine = Style(), base = Font->Style();
    if (mine.Contains(fsBold) != base.Contains(fsBold)) FDeltas.Include(daBold);
    if (mine.Contains(fsItalic) != base.Contains(fsItalic)) FDeltas.Include(daItalic);
    if (mine.Contains(fsStrikeOut) != base.Contains(fsStrikeOut)) FDeltas.Include(daStrikeOut);
    if (mine.Contains(fsUnderline) != base.Contains(fsUnderline)) FDeltas.Include(daUnderline);
    if (Color() != Font->Color()) FDeltas.Include(daColor);
    if (Name() != Font->Name()) FDeltas.Include(daFace);
    if (Size() != Font->Size()) FDeltas.Include(daSize);
}

void TKwCustomDeltaFont::UpdateDeltas() {
    if (const platform::TFont* font = OriginalFont()) UpdateDeltas(font);
}

void TKwCustomDeltaFont::UpdateNonDelta(const platform::TFont* Font) {
    using namespace platform;
    if (FUpdating || Font == nullptr) return;
    TUpdateFlag updating(FUpdating);
    TFontStyles style = Style();
    const TFontStyles base = Font->Style();
    for (auto [attribute, bit] :
         {std::pair{daBold, fsBold}, std::pair{daItalic, fsItalic},
          std::pair{daStrikeOut, fsStrikeOut}, std::pair{daUnderline, fsUnderline}}) {
        if (FDeltas.Contains(attribute)) continue;
        if (base.Contains(bit))
            style.Include(bit);
        else
            style.Exclude(bit);
    }
    SetStyle(style);
    if (!FDeltas.Contains(daColor)) SetColor(Font->Color());
    if (!FDeltas.Contains(daFace)) SetName(Font->Name());
    if (!FDeltas.Contains(daSize)) SetSize(Font->Size());
}

void TKwCustomDeltaFont::UpdateNonDelta() {
    if (const platform::TFont* font = OriginalFont()) UpdateNonDelta(font);
}

void TKwCustomDeltaFont::Changed() {
    if (!FUpdating) UpdateDeltas();
    TFont::Changed();
}

platform::TPublishedProperties TKwDeltaFont::GetPublishedProperties() {
    platform::TPublishedProperties props = TKwCustomDeltaFont::GetPublishedProperties();
    props.push_back(
        platform::TPublishedProperty::Set(
            "Deltas",
            {"daBold", "daColor", "daFace", "daItalic", "daSize", "daStrikeOut", "daUnderline"},
            [this] { return uint32_t(Deltas().ToBits()); },
            [this](uint32_t V) { SetDeltas(TDeltaAttributes::FromBits(static_cast<uint8_t>(V))); })
            .StoredIf([this] { return IsDeltasStored(); }));
    return props;
}

} // namespace kw
