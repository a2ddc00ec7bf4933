// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The filer: what a persistent object sees of the property writer or reader in its
/// DefineProperties. It declares properties that the object streams with its own code,
/// either as one text value (DefineProperty) or as a binary body (DefineBinaryProperty).
/// HasData says whether the writer writes the property; a reader accepts a declared
/// property whenever the stream contains it.

#include "kwgfx/platform/base/Persistent.h"
#include "kwgfx/platform/streams/Stream.h"

#include <functional>
#include <string>

namespace kw::platform {

class TReader;
class TWriter;

/// Reads a declared property's value with one Read... call of the reader.
using TReaderProc = std::function<void(TReader& Reader)>;
/// Writes a declared property's value with one Write... call of the writer.
using TWriterProc = std::function<void(TWriter& Writer)>;
/// Reads or writes a declared binary property's body.
using TStreamProc = std::function<void(TStream& Stream)>;

/// What a persistent object sees of the property writer or reader; see the file's description.
class TFiler {
public:
    virtual ~TFiler() = default;

    /// A property streamed as one value: ReadData reads it with one Read... call of the
    /// reader (ReadString, ReadInteger, ...), WriteData writes it with one Write... call.
    virtual void DefineProperty(const std::string& Name, TReaderProc ReadData,
                                TWriterProc WriteData, bool HasData) = 0;
    /// A property streamed as a block of bytes: WriteData writes the body into a stream,
    /// ReadData receives a stream holding exactly the body, positioned at its start.
    virtual void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData,
                                      TStreamProc WriteData, bool HasData) = 0;

protected:
    /// Lets the writer and reader ask an object for its declared properties.
    static void CallDefineProperties(TPersistent& Instance, TFiler& Filer) {
        Instance.DefineProperties(Filer);
    }
};

} // namespace kw::platform
