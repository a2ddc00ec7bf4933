// SPDX-License-Identifier: MIT
// The table of lately measured line widths (two-way sets, the older entry out first).
#include "kwgfx/backends/cairo/detail/PangoWidthCache.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace kw::platform::cairo_detail {

TPangoWidthCache::TPangoWidthCache(std::size_t Sets, std::size_t MaxKey)
    : FMask(std::bit_ceil(std::max<std::size_t>(Sets, 1)) - 1), FMaxKey(MaxKey) {
    FSlots.resize(2 * (FMask + 1));
    FOlder.resize(FMask + 1);
}

std::optional<int32_t> TPangoWidthCache::Find(uint64_t Tag, std::string_view Text) {
    FHash = std::hash<std::string_view>{}(Text) ^ (Tag * 0x9E3779B97F4A7C15u);
    const std::size_t set = SetOf(FHash);
    for (std::size_t i = set; i < set + 2; ++i)
        if (FSlots[i].Hash == FHash && FSlots[i].Tag == Tag && FSlots[i].Text == Text) {
            FOlder[set / 2] = uint8_t(i == set); // the other one is older now
            return FSlots[i].Width;
        }
    return std::nullopt;
}

void TPangoWidthCache::Insert(uint64_t Tag, std::string_view Text, int32_t Width) {
    if (Text.empty() || Text.size() > FMaxKey) return;
    const std::size_t hash = FHash;
    const std::size_t set = SetOf(hash);
    TSlot& slot = FSlots[set + FOlder[set / 2]];
    FOlder[set / 2] ^= 1;
    slot.Hash = hash;
    slot.Tag = Tag;
    slot.Text.assign(Text);
    slot.Width = Width;
}

void TPangoWidthCache::Clear() {
    for (TSlot& slot : FSlots) {
        slot.Hash = 0;
        slot.Text.clear();
    }
}

} // namespace kw::platform::cairo_detail
