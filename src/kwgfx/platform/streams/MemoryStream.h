// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A stream held in memory: a growable byte buffer with a position.

#include "kwgfx/platform/streams/Stream.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kw::platform {

/// A stream held in memory; see the file's description.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    /// A stream holding a copy of Bytes, positioned at its start.
    explicit TMemoryStream(std::string_view Bytes);

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    /// The number of bytes held.
    int64_t Size() override { return static_cast<int64_t>(FData.size()); }
    void SetSize(int64_t NewSize) override;

    /// Empties the stream and moves to its start.
    void Clear();
    /// The bytes held.
    const std::vector<unsigned char>& Memory() const { return FData; }
    /// The contents as a string of bytes.
    std::string DataString() const { return std::string(FData.begin(), FData.end()); }

    /// Replaces the contents with all of Stream (from its start) / the file's bytes, and
    /// moves to the start.
    ///@{
    void LoadFromStream(TStream& Stream);
    void LoadFromFile(const std::string& FileName);
    ///@}
    /// Writes the whole contents, whatever the position.
    ///@{
    void SaveToStream(TStream& Stream) const;
    void SaveToFile(const std::string& FileName) const;
    ///@}

private:
    std::vector<unsigned char> FData;
    int64_t FPosition = 0;
};

} // namespace kw::platform
