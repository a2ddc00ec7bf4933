// SPDX-License-Identifier: MIT
// The path's persistence: its published properties and the binary property "Path".

#include "kwgfx/path/KwPathData.h"

#include "kwgfx/path/KwPathGuarantees.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/Filer.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace kw {

namespace {

constexpr int64_t kCountBytes = 4;
constexpr int64_t kRecordBytes = 9;

void PutUInt32(unsigned char* Out, uint32_t V) {
    for (int i = 0; i < 4; ++i) Out[i] = static_cast<unsigned char>(V >> (8 * i));
}

uint32_t GetUInt32(const unsigned char* In) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t{In[i]} << (8 * i);
    return v;
}

[[noreturn]] void PathReadError(const std::string& What) {
    throw platform::EReadError("Path stream: " + What);
}

std::string EntryText(int64_t Index) {
    return "entry " + std::to_string(Index) + " (byte " +
           std::to_string(kCountBytes + kRecordBytes * Index) + ")";
}

} // namespace

platform::TPublishedProperties TKwPathData::GetPublishedProperties() {
    auto props = TPersistent::GetPublishedProperties();
    props.push_back(platform::TPublishedProperty::Enumeration<TKwFillMode>(
        "FillMode", {"fmEvenOdd", "fmNonZero"}, [this] { return FFillMode; },
        [this](TKwFillMode V) { SetFillMode(V); }));
    props.push_back(platform::TPublishedProperty::String(
                        "Data", [this] { return GetPathString(); },
                        [this](const std::string& V) { SetPathString(V); })
                        .NotStored());
    return props;
}

void TKwPathData::DefineProperties(platform::TFiler& Filer) {
    TPersistent::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "Path", [this](platform::TStream& S) { ReadPath(S); },
        [this](platform::TStream& S) { WritePath(S); }, !FPathData.empty());
}

void TKwPathData::WritePath(platform::TStream& Stream) const {
    const size_t count = FPathData.size();
    std::vector<unsigned char> body(static_cast<size_t>(kCountBytes) +
                                    count * static_cast<size_t>(kRecordBytes));
    PutUInt32(body.data(), static_cast<uint32_t>(count));
    unsigned char* out = body.data() + kCountBytes;
    for (size_t i = 0; i < count; ++i, out += kRecordBytes) {
        const TKwPathPoint& e = FPathData[i];
        const TKwPoint p = e.Point;
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            throw platform::EWriteError("Path stream: " + EntryText(static_cast<int64_t>(i)) +
                                        " has a coordinate that is not finite");
        out[0] = static_cast<unsigned char>(e.Kind);
        PutUInt32(out + 1, std::bit_cast<uint32_t>(p.X));
        PutUInt32(out + 5, std::bit_cast<uint32_t>(p.Y));
    }
    Stream.WriteBuffer(body.data(), static_cast<int64_t>(body.size()));
}

void TKwPathData::ReadPath(platform::TStream& Stream) {
    const int64_t available = Stream.Remaining();
    if (available < kCountBytes) PathReadError("the entry count is missing");
    unsigned char countBytes[kCountBytes];
    Stream.ReadBuffer(countBytes, kCountBytes);
    const auto count = static_cast<int32_t>(GetUInt32(countBytes));
    if (count < 0) PathReadError("negative entry count " + std::to_string(count));
    // The count is only trusted once the stream is known to hold all its records.
    const int64_t needed = kRecordBytes * int64_t{count};
    if (needed > available - kCountBytes)
        PathReadError(std::to_string(count) + " entries need " + std::to_string(needed) +
                      " bytes, the stream holds " + std::to_string(available - kCountBytes));

    std::vector<unsigned char> raw(static_cast<size_t>(needed));
    Stream.ReadBuffer(raw.data(), needed);

    std::vector<TKwPathPoint> entries(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) {
        const unsigned char* in = raw.data() + kRecordBytes * i;
        entries[static_cast<size_t>(i)] =
            TKwPathPoint(static_cast<TKwPathPointKind>(in[0]),
                         TKwPoint(std::bit_cast<float>(GetUInt32(in + 1)),
                                  std::bit_cast<float>(GetUInt32(in + 5))));
    }
    if (const TKwPathCheck check = KwCheckPathGuarantees(entries); !check.Ok())
        PathReadError(EntryText(check.Index) + ": " + check.Reason);

    FPathData.swap(entries);
    Change();
}

} // namespace kw
