// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The platform's byte stream: an abstract source and sink of bytes with a position and a
/// size, the base of the memory and file streams. Positions and sizes are 64-bit.

#include "kwgfx/platform/base/Object.h"

#include <cstdint>

namespace kw::platform {

/// Where Seek counts an offset from.
enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

/// The abstract byte stream; see the file's description.
class TStream : public TObject {
public:
    /// Reads at most Count bytes into Buffer; returns how many were read (0 at the end).
    virtual int64_t Read(void* Buffer, int64_t Count) = 0;
    /// Writes Count bytes from Buffer; returns how many were written.
    virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
    /// Moves the position; returns the new position. A position before the start is an
    /// EStreamError; a position past the end is allowed (a later write fills the gap).
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

    /// The number of bytes in the stream; the default seeks to the end and back.
    virtual int64_t Size();
    /// Truncates or extends the stream; the position stays where it was.
    virtual void SetSize(int64_t NewSize) = 0;

    /// The position: Seek(0, soCurrent).
    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    /// Moves to Pos from the start.
    void SetPosition(int64_t Pos) { Seek(Pos, TSeekOrigin::soBeginning); }
    /// Bytes between the position and the end (0 when the position is past the end).
    int64_t Remaining();

    /// Read and Write that transfer exactly Count bytes or fail: EReadError "Stream read
    /// error" / EWriteError "Stream write error". A negative Count fails too.
    ///@{
    void ReadBuffer(void* Buffer, int64_t Count);
    void WriteBuffer(const void* Buffer, int64_t Count);
    ///@}

    /// Copies Count bytes from Source's position (all of Source when Count is 0, from its
    /// start); returns the number of bytes copied.
    int64_t CopyFrom(TStream& Source, int64_t Count);
};

} // namespace kw::platform
