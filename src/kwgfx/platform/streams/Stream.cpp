// SPDX-License-Identifier: MIT
#include "kwgfx/platform/streams/Stream.h"

#include "kwgfx/platform/base/Exceptions.h"

#include <algorithm>
#include <array>

namespace kw::platform {

int64_t TStream::Size() {
    const int64_t pos = Seek(0, TSeekOrigin::soCurrent);
    const int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(pos, TSeekOrigin::soBeginning);
    return end;
}

int64_t TStream::Remaining() {
    const int64_t pos = Position();
    const int64_t size = Size();
    return size > pos ? size - pos : 0;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
    if (Count < 0) throw EReadError("Stream read error");
    auto* out = static_cast<unsigned char*>(Buffer);
    int64_t done = 0;
    // Read may legitimately return fewer bytes than asked (files, pipes): keep going until
    // it reports the end.
    while (done < Count) {
        const int64_t n = Read(out + done, Count - done);
        if (n <= 0) throw EReadError("Stream read error");
        done += n;
    }
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
    if (Count < 0) throw EWriteError("Stream write error");
    const auto* in = static_cast<const unsigned char*>(Buffer);
    int64_t done = 0;
    while (done < Count) {
        const int64_t n = Write(in + done, Count - done);
        if (n <= 0) throw EWriteError("Stream write error");
        done += n;
    }
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    std::array<unsigned char, 64 * 1024> buffer;
    int64_t copied = 0;
    while (copied < Count) {
        const int64_t chunk = std::min<int64_t>(Count - copied, buffer.size());
        Source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        copied += chunk;
    }
    return copied;
}

} // namespace kw::platform
