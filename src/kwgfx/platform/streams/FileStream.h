// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A stream on a file of the file system (POSIX descriptors, 64-bit offsets).

#include "kwgfx/platform/streams/Stream.h"

#include <string>

namespace kw::platform {

/// How TFileStream opens its file.
enum class TFileMode {
    fmCreate,       ///< create or truncate, read and write
    fmOpenRead,     ///< existing file, read only
    fmOpenWrite,    ///< existing file, write only
    fmOpenReadWrite ///< existing file, read and write
};

/// A stream on a file; see the file's description.
class TFileStream : public TStream {
public:
    /// Opens FileName; a missing, unreadable or unwritable file, or a directory, gives
    /// EFOpenError naming the file and the system's reason.
    TFileStream(const std::string& FileName, TFileMode Mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(int64_t NewSize) override;

    /// The name the stream was opened with.
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
    int FHandle = -1;
};

} // namespace kw::platform
