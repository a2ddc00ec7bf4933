// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: laid-out lines by key (font, paragraph options, text), the
// least recently used dropped first once the cache holds MaxEntries lines or MaxBytes of
// keys. Bounded both ways, so that a canvas that measures endless different strings keeps
// its memory flat. Used with the Pango lock held.

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>

typedef struct _PangoLayout PangoLayout;

namespace kw::platform::cairo_detail {

class TPangoLayoutCache {
public:
    struct TEntry {
        PangoLayout* Layout = nullptr;
        int32_t Width = 0;
    };

    TPangoLayoutCache(std::size_t MaxEntries, std::size_t MaxBytes);
    ~TPangoLayoutCache();
    TPangoLayoutCache(const TPangoLayoutCache&) = delete;
    TPangoLayoutCache& operator=(const TPangoLayoutCache&) = delete;

    // The entry of Key, now the most recently used, or null.
    const TEntry* Find(const std::string& Key);
    // Takes Layout over under Key (which must not be in the cache) and drops the least
    // recently used entries past the bounds; returns the new entry.
    const TEntry* Insert(const std::string& Key, PangoLayout* Layout, int32_t Width);
    // Drops every entry.
    void Clear();

    std::size_t Size() const { return FMap.size(); }
    std::size_t Bytes() const { return FBytes; }

private:
    struct TNode {
        std::string Key;
        TEntry Entry;
    };
    void DropOldest();

    std::size_t FMaxEntries, FMaxBytes, FBytes = 0;
    std::list<TNode> FOrder; // most recently used first
    std::unordered_map<std::string_view, std::list<TNode>::iterator> FMap;
};

} // namespace kw::platform::cairo_detail
