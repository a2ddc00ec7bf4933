// SPDX-License-Identifier: MIT
// Property stream reader: reading the stream, parsing it (PropertyParser.cpp), binding its
// properties (PropertyBinder.cpp), applying them, and the values of declared properties.

#include "kwgfx/platform/streams/PropertyReader.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/detail/PropertyBinder.h"
#include "kwgfx/platform/streams/detail/PropertyParser.h"
#include "kwgfx/platform/streams/detail/PropertyReadError.h"
#include "kwgfx/platform/streams/detail/PropertyValueConversion.h"

#include <array>
#include <utility>

namespace kw::platform {

using namespace property_text;
using namespace reader_detail;

TReader::TReader(TStream& Stream) : FStream(Stream) {}

void TReader::ReadObject(TPersistent& Instance) {
    // The whole rest of the stream, in chunks, refusing more than the format allows
    // instead of trusting a size field.
    std::string text;
    std::array<char, 64 * 1024> chunk;
    while (true) {
        const int64_t n = FStream.Read(chunk.data(), static_cast<int64_t>(chunk.size()));
        if (n <= 0) break;
        if (static_cast<int64_t>(text.size()) + n > kMaxStreamSize)
            throw EReadError("Property stream larger than " + std::to_string(kMaxStreamSize) +
                             " bytes");
        text.append(chunk.data(), static_cast<size_t>(n));
    }

    // Header line.
    const size_t eol = text.find('\n');
    std::string_view first = std::string_view(text).substr(0, eol);
    if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
    if (first != kHeader)
        throw EReadError("Property stream line 1, column 1: not a property stream (expected \"" +
                         std::string(kHeader) + "\")");
    const std::string_view body =
        eol == std::string::npos ? std::string_view() : std::string_view(text).substr(eol + 1);

    const TDocument doc = ParsePropertyDocument(body, 2);
    if (doc.ClassName.Text != Instance.ClassName())
        FailAt(doc.ClassName,
               "the stream holds a " + doc.ClassName.Text + ", not a " + Instance.ClassName());

    std::vector<TBoundProperty> bound;
    TPropertyBinder(*this).Bind(Instance, doc.Properties, bound);

    for (const TBoundProperty& b : bound) {
        try {
            b.Apply();
        } catch (const Exception& e) {
            FailAt(b.Name, "property " + b.Name.Text + ": " + e.Message());
        }
    }
}

void TReader::DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc, bool) {
    if (FDefinitions && ReadData) FDefinitions->push_back({Name, std::move(ReadData), nullptr});
}

void TReader::DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc,
                                   bool) {
    if (FDefinitions && ReadData) FDefinitions->push_back({Name, nullptr, std::move(ReadData)});
}

const TToken& TReader::CurrentValue(const char* Expected) {
    if (!FValue) throw EReadError(std::string("No ") + Expected + " value to read here");
    return *FValue;
}

std::string TReader::ReadString() {
    const TToken& v = CurrentValue("string");
    if (v.Kind != TTokenKind::tkString) throw EReadError("expected a string, found " + Describe(v));
    return v.Text;
}

int32_t TReader::ReadInteger() {
    const TToken& v = CurrentValue("integer");
    int64_t i = 0;
    if (!TokenInteger(v, i) || !std::in_range<int32_t>(i))
        throw EReadError("expected a 32-bit integer, found " + Describe(v));
    return static_cast<int32_t>(i);
}

float TReader::ReadSingle() {
    const TToken& v = CurrentValue("number");
    float f = 0;
    if (!TokenSingle(v, f))
        throw EReadError("expected a number in the single range, found " + Describe(v));
    return f;
}

double TReader::ReadDouble() {
    const TToken& v = CurrentValue("number");
    double d = 0;
    if (!TokenDouble(v, d)) throw EReadError("expected a number, found " + Describe(v));
    return d;
}

bool TReader::ReadBoolean() {
    const TToken& v = CurrentValue("boolean");
    bool b = false;
    if (!TokenBoolean(v, b)) throw EReadError("expected true or false, found " + Describe(v));
    return b;
}

std::string TReader::ReadIdent() {
    const TToken& v = CurrentValue("identifier");
    if (v.Kind != TTokenKind::tkIdentifier)
        throw EReadError("expected an identifier, found " + Describe(v));
    return v.Text;
}

} // namespace kw::platform
