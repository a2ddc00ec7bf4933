// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Writes one persistent object as a property stream (docs/property-stream.md): its
/// published properties that pass their stored-tests, nested objects indented, then the
/// properties it declares in DefineProperties whose has-data flag is set.

#include "kwgfx/platform/streams/Filer.h"

#include <optional>
#include <string>
#include <string_view>

namespace kw::platform {

/// Writes one persistent object as a property stream; see the file's description.
class TWriter : public TFiler {
public:
    /// A writer onto Stream, at its position.
    explicit TWriter(TStream& Stream);

    /// Writes the whole stream for Instance. The text is built first and written with one
    /// WriteBuffer, so a failing getter or writer procedure leaves the stream untouched.
    /// EWriteError for a property that cannot be written (a name that is not an
    /// identifier, an enumeration ordinal without a name, nesting deeper than the format
    /// allows, a writer procedure that writes no value or two).
    void WriteObject(TPersistent& Instance);

    /// The value of a property declared with DefineProperty: its writer procedure calls
    /// exactly one of these.
    ///@{
    void WriteString(std::string_view Value);
    void WriteInteger(int64_t Value);
    void WriteSingle(float Value);
    void WriteDouble(double Value);
    void WriteBoolean(bool Value);
    void WriteIdent(std::string_view Value);
    ///@}

    void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

private:
    // Appends the property lines of Instance at nesting Level (root = 1) to Out.
    void WriteProperties(TPersistent& Instance, int Level, std::string& Out);
    void WriteValue(std::string Text);

    TStream& FStream;
    std::string* FOut = nullptr;       // lines of the object being written
    int FLevel = 0;                    // its nesting level
    std::optional<std::string> FValue; // value of the defined property being written
    bool FInDefinedProperty = false;
};

} // namespace kw::platform
