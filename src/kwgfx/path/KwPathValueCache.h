// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwPathValueCache: one value that a path works out on demand in a const member and keeps
/// until the path changes, such as its bounds. Several threads may read one path at once
/// (KwThreads.h), so filling the cache must not race: the first thread to finish stores its
/// value, the others return the value they worked out themselves, which is the same. (The
/// samples and indexes a path keeps for drawing are another cache, internal to the path
/// layer: detail/KwPathSampleCache.h.)

#include <atomic>
#include <cstdint>

namespace kw {

/// A value a path keeps until it changes; see the file's description.
template <typename T>
class TKwPathValueCache {
public:
    TKwPathValueCache() = default;
    TKwPathValueCache(const TKwPathValueCache&) = delete;
    TKwPathValueCache& operator=(const TKwPathValueCache&) = delete;

    /// The kept value, or Compute() when there is none; safe from several threads at once.
    template <typename TCompute>
    T Get(TCompute&& Compute) const {
        if (FState.load(std::memory_order_acquire) == Valid) return FValue;
        const T value = Compute();
        uint8_t expected = Stale;
        if (FState.compare_exchange_strong(expected, Filling, std::memory_order_acquire)) {
            FValue = value;
            FState.store(Valid, std::memory_order_release);
        }
        return value;
    }

    /// True when a value is kept.
    bool Holds() const { return FState.load(std::memory_order_acquire) == Valid; }
    /// Keeps Value as it is; like Invalidate, for the path's mutating members.
    void Keep(const T& Value) {
        FValue = Value;
        FState.store(Valid, std::memory_order_release);
    }

    /// Forgets the value; called by the path's mutating members, which no other thread may
    /// run alongside any member of the same path.
    void Invalidate() { FState.store(Stale, std::memory_order_release); }

private:
    enum : uint8_t { Stale, Filling, Valid };
    mutable std::atomic<uint8_t> FState{Stale};
    mutable T FValue{};
};

} // namespace kw
