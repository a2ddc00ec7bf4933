#pragma once
// The attributes in which a delta font may differ from its base font, and their set.

#include <cstdint>
#include <initializer_list>

namespace kw {

enum TDeltaAttribute : uint8_t {
    daBold,
    daColor,
    daFace,
    daItalic,
    daSize,
    daStrikeOut,
    daUnderline
};

// A set of delta attributes in one byte: bit n for ordinal n (daBold 1, daColor 2,
// daFace 4, daItalic 8, daSize 16, daStrikeOut 32, daUnderline 64).
class TDeltaAttributes {
public:
    constexpr TDeltaAttributes() = default;
    constexpr TDeltaAttributes(std::initializer_list<TDeltaAttribute> Members) {
        for (TDeltaAttribute m : Members) Include(m);
    }
    // Bits beyond the seven members are dropped.
    static constexpr TDeltaAttributes FromBits(uint8_t Bits) {
        TDeltaAttributes s;
        s.FBits = Bits & 0x7F;
        return s;
    }
    constexpr uint8_t ToBits() const { return FBits; }
    constexpr bool Contains(TDeltaAttribute M) const { return (FBits >> M) & 1u; }
    constexpr TDeltaAttributes& Include(TDeltaAttribute M) {
        FBits = static_cast<uint8_t>(FBits | (1u << M));
        return *this;
    }
    constexpr TDeltaAttributes& Exclude(TDeltaAttribute M) {
        FBits = static_cast<uint8_t>(FBits & ~(1u << M));
        return *this;
    }
    constexpr bool IsEmpty() const { return FBits == 0; }
    friend constexpr bool operator==(TDeltaAttributes, TDeltaAttributes) = default;

private:
    uint8_t FBits = 0;
};
static_assert(sizeof(TDeltaAttributes) == 1);

} // namespace kw
