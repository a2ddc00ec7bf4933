// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Reads a property stream (docs/property-stream.md) into one persistent object.
///
/// Reading runs in two passes. The first reads the whole text, checks its syntax, finds
/// every named property among the object's published and declared properties (nested
/// objects included) and converts every published value to its property's kind; any
/// fault found there raises EReadError with its line and column and changes nothing.
/// The second pass applies the properties in stream order through their setters and
/// reader procedures. An error raised there (say a declared property's reader refusing
/// its body) stops reading with EReadError naming the property's position; properties
/// applied before it stay applied, and the object remains usable.
///
/// An unknown property name is an error: dropping it silently would lose its data.

#include "kwgfx/platform/streams/Filer.h"
#include "kwgfx/platform/streams/PropertyText.h"

#include <string>
#include <vector>

namespace kw::platform {

namespace reader_detail {
class TPropertyBinder;
} // namespace reader_detail

/// Reads a property stream into one persistent object; see the file's description.
class TReader : public TFiler {
public:
    /// A reader of the text in Stream, from its position.
    explicit TReader(TStream& Stream);

    /// Reads the rest of the stream (at most property_text::kMaxStreamSize bytes) as the
    /// properties of Instance, whose class name must match the stream's root object.
    void ReadObject(TPersistent& Instance);

    /// The value of a property declared with DefineProperty, for its reader procedure.
    /// Each raises EReadError when the stream holds a value of another type.
    ///@{
    std::string ReadString();
    int32_t ReadInteger();
    float ReadSingle();
    double ReadDouble();
    bool ReadBoolean();
    std::string ReadIdent();
    ///@}

    void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

private:
    struct TDefinition {
        std::string Name;
        TReaderProc ReadText;
        TStreamProc ReadBinary;
    };
    friend class reader_detail::TPropertyBinder;

    const property_text::TToken& CurrentValue(const char* Expected);

    TStream& FStream;
    std::vector<TDefinition>* FDefinitions = nullptr;
    const property_text::TToken* FValue = nullptr;
};

} // namespace kw::platform
