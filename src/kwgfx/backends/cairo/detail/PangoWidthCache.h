// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: the widths of lines measured lately, by a tag (font and
// paragraph options) and the text. Measuring a label or a caption again must cost next to nothing,
// and measuring a new line must not pay for list and map nodes: the cache is a fixed table of
// two-way sets, a key hashed to one set and put in place of the set's older entry. A slot
// keeps its string, so once the slots have grown nothing is allocated. Texts longer than
// MaxKey are not kept, which bounds the memory. Used with the Pango lock held.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw::platform::cairo_detail {

class TPangoWidthCache {
public:
    // Sets rounds up to a power of two.
    TPangoWidthCache(std::size_t Sets, std::size_t MaxKey);

    // The width kept for Tag and Text, if any; they are remembered for Insert.
    std::optional<int32_t> Find(uint64_t Tag, std::string_view Text);
    // Keeps Width for Tag and Text, the ones Find was given last (their hash is reused).
    void Insert(uint64_t Tag, std::string_view Text, int32_t Width);
    void Clear();

    std::size_t MaxKey() const { return FMaxKey; }

private:
    struct TSlot {
        std::size_t Hash = 0;
        uint64_t Tag = 0;
        std::string Text; // empty: a free slot (an empty line is never measured here)
        int32_t Width = 0;
    };
    std::size_t SetOf(std::size_t Hash) const { return 2 * (Hash & FMask); }

    std::vector<TSlot> FSlots;
    std::vector<uint8_t> FOlder; // per set: the slot to replace next
    std::size_t FMask, FMaxKey;
    std::size_t FHash = 0; // the hash of what Find looked up last
};

} // namespace kw::platform::cairo_detail
