// SPDX-License-Identifier: MIT
// The bounded cache of laid-out lines (least recently used out first).
#include "kwgfx/backends/cairo/detail/PangoLayoutCache.h"

#include <glib-object.h>

namespace kw::platform::cairo_detail {

TPangoLayoutCache::TPangoLayoutCache(std::size_t MaxEntries, std::size_t MaxBytes)
    : FMaxEntries(MaxEntries), FMaxBytes(MaxBytes) {}

TPangoLayoutCache::~TPangoLayoutCache() {
    Clear();
}

const TPangoLayoutCache::TEntry* TPangoLayoutCache::Find(const std::string& Key) {
    const auto it = FMap.find(std::string_view(Key));
    if (it == FMap.end()) return nullptr;
    FOrder.splice(FOrder.begin(), FOrder, it->second);
    return &it->second->Entry;
}

const TPangoLayoutCache::TEntry* TPangoLayoutCache::Insert(const std::string& Key,
                                                           PangoLayout* Layout, int32_t Width) {
    FOrder.push_front(TNode{Key, TEntry{Layout, Width}});
    // The map's key views the node's own string, which a list node never moves.
    FMap.emplace(std::string_view(FOrder.front().Key), FOrder.begin());
    FBytes += Key.size();
    while (FOrder.size() > 1 && (FMap.size() > FMaxEntries || FBytes > FMaxBytes)) DropOldest();
    return &FOrder.front().Entry;
}

void TPangoLayoutCache::DropOldest() {
    TNode& last = FOrder.back();
    FMap.erase(std::string_view(last.Key));
    FBytes -= last.Key.size();
    g_object_unref(last.Entry.Layout);
    FOrder.pop_back();
}

void TPangoLayoutCache::Clear() {
    while (!FOrder.empty()) DropOldest();
}

} // namespace kw::platform::cairo_detail
