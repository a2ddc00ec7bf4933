// SPDX-License-Identifier: MIT
#include "kwgfx/platform/streams/FileStream.h"

#include "kwgfx/platform/base/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kw::platform {

namespace {
// One system call moves at most this much; larger transfers loop in ReadBuffer/WriteBuffer.
constexpr int64_t kMaxTransfer = 1 << 30;
} // namespace

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : FFileName(FileName) {
    int flags = O_CLOEXEC;
    switch (Mode) {
    case TFileMode::fmCreate:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    case TFileMode::fmOpenRead:
        flags |= O_RDONLY;
        break;
    case TFileMode::fmOpenWrite:
        flags |= O_WRONLY;
        break;
    case TFileMode::fmOpenReadWrite:
        flags |= O_RDWR;
        break;
    }
    const char* verb = Mode == TFileMode::fmCreate ? "create" : "open";
    do {
        FHandle = ::open(FileName.c_str(), flags, 0666);
    } while (FHandle < 0 && errno == EINTR);
    if (FHandle < 0) {
        throw EFOpenError("Cannot " + std::string(verb) + " file \"" + FileName + "\". " +
                          std::strerror(errno));
    }
    // A directory opens read-only on Linux but cannot be read as a stream.
    struct stat st {};
    if (::fstat(FHandle, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(FHandle);
        FHandle = -1;
        throw EFOpenError("Cannot " + std::string(verb) + " file \"" + FileName + "\". " +
                          std::strerror(EISDIR));
    }
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    ssize_t n;
    do {
        n = ::read(FHandle, Buffer, static_cast<size_t>(std::min(Count, kMaxTransfer)));
    } while (n < 0 && errno == EINTR);
    return n < 0 ? 0 : n;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    ssize_t n;
    do {
        n = ::write(FHandle, Buffer, static_cast<size_t>(std::min(Count, kMaxTransfer)));
    } while (n < 0 && errno == EINTR);
    return n < 0 ? 0 : n;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int whence = SEEK_SET;
    if (Origin == TSeekOrigin::soCurrent) whence = SEEK_CUR;
    if (Origin == TSeekOrigin::soEnd) whence = SEEK_END;
    const off_t pos = ::lseek(FHandle, static_cast<off_t>(Offset), whence);
    if (pos < 0)
        throw EStreamError("Invalid stream position in \"" + FFileName + "\". " +
                           std::strerror(errno));
    return pos;
}

void TFileStream::SetSize(int64_t NewSize) {
    if (NewSize < 0 || ::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0)
        throw EStreamError("Cannot change the size of \"" + FFileName + "\"");
}

} // namespace kw::platform
