// SPDX-License-Identifier: MIT
#include "kwgfx/platform/streams/MemoryStream.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/FileStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace kw::platform {

namespace {
// Beyond this a memory stream refuses to grow: an out-of-memory death is worse than an
// error for a position that came from a corrupt offset.
constexpr int64_t kMaxMemoryStreamSize = std::numeric_limits<int64_t>::max() / 2;
} // namespace

TMemoryStream::TMemoryStream(std::string_view Bytes) : FData(Bytes.begin(), Bytes.end()) {}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
    if (Count <= 0 || FPosition >= Size()) return 0;
    const int64_t n = std::min(Count, Size() - FPosition);
    std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    if (Count > kMaxMemoryStreamSize - FPosition) return 0;
    const int64_t end = FPosition + Count;
    if (end > Size()) FData.resize(static_cast<size_t>(end));
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition = end;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int64_t base = 0;
    switch (Origin) {
    case TSeekOrigin::soBeginning:
        base = 0;
        break;
    case TSeekOrigin::soCurrent:
        base = FPosition;
        break;
    case TSeekOrigin::soEnd:
        base = Size();
        break;
    }
    // base is within [0, kMaxMemoryStreamSize], so the sum cannot overflow unless Offset is
    // extreme; check before adding.
    if (Offset < -base || Offset > kMaxMemoryStreamSize - base)
        throw EStreamError("Invalid stream position");
    FPosition = base + Offset;
    return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
    if (NewSize < 0 || NewSize > kMaxMemoryStreamSize) throw EStreamError("Invalid stream size");
    FData.resize(static_cast<size_t>(NewSize));
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    const int64_t size = Stream.Size();
    std::vector<unsigned char> data(static_cast<size_t>(size));
    Stream.ReadBuffer(data.data(), size);
    FData = std::move(data);
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, TFileMode::fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& Stream) const {
    Stream.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void TMemoryStream::SaveToFile(const std::string& FileName) const {
    TFileStream file(FileName, TFileMode::fmCreate);
    SaveToStream(file);
}

} // namespace kw::platform
