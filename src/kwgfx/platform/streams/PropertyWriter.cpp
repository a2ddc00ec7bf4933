// SPDX-License-Identifier: MIT
#include "kwgfx/platform/streams/PropertyWriter.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/MemoryStream.h"
#include "kwgfx/platform/streams/PropertyText.h"

namespace kw::platform {

using namespace property_text;

namespace {

constexpr int kIndentWidth = 2;
// Binary bodies longer than this go on lines of their own, this many bytes per line.
constexpr size_t kBinaryBytesPerLine = 32;

std::string Indent(int Level) {
    return std::string(static_cast<size_t>(Level * kIndentWidth), ' ');
}

void CheckName(const std::string& Name) {
    if (!IsIdentifier(Name)) throw EWriteError("Invalid property name \"" + Name + "\"");
}

std::string MemberName(const TPublishedProperty& Prop, int64_t Ordinal) {
    const auto& members = Prop.Members();
    if (Ordinal < 0 || static_cast<uint64_t>(Ordinal) >= members.size())
        throw EWriteError("Property " + Prop.Name() + ": ordinal " + std::to_string(Ordinal) +
                          " has no name");
    const std::string& name = members[static_cast<size_t>(Ordinal)];
    if (!IsIdentifier(name))
        throw EWriteError("Property " + Prop.Name() + ": invalid member name \"" + name + "\"");
    return name;
}

std::string FormatValue(const TPublishedProperty& Prop) {
    const TPropertyValue value = Prop.GetValue();
    switch (Prop.Kind()) {
    case TPropertyKind::pkInteger:
        return std::to_string(std::get<int64_t>(value));
    case TPropertyKind::pkSingle:
        return FormatSingle(static_cast<float>(std::get<double>(value)));
    case TPropertyKind::pkDouble:
        return FormatDouble(std::get<double>(value));
    case TPropertyKind::pkBoolean:
        return std::get<bool>(value) ? "true" : "false";
    case TPropertyKind::pkString:
        return QuoteString(std::get<std::string>(value));
    case TPropertyKind::pkEnumeration:
        return MemberName(Prop, std::get<int64_t>(value));
    case TPropertyKind::pkSet: {
        const int64_t mask = std::get<int64_t>(value);
        std::string text = "[";
        for (int bit = 0; bit < 32; ++bit) {
            if ((mask & (int64_t{1} << bit)) == 0) continue;
            if (text.size() > 1) text += ", ";
            text += MemberName(Prop, bit);
        }
        return text + "]";
    }
    case TPropertyKind::pkObject:
        break;
    }
    throw EWriteError("Property " + Prop.Name() + " has no value");
}

std::string FormatBinary(std::string_view Bytes, int Level) {
    if (Bytes.size() <= kBinaryBytesPerLine) return "<" + HexDigits(Bytes) + ">";
    std::string text = "<\n";
    for (size_t i = 0; i < Bytes.size(); i += kBinaryBytesPerLine) {
        text += Indent(Level + 1);
        text += HexDigits(Bytes.substr(i, kBinaryBytesPerLine));
        text += '\n';
    }
    return text + Indent(Level) + ">";
}

} // namespace

TWriter::TWriter(TStream& Stream) : FStream(Stream) {}

void TWriter::WriteObject(TPersistent& Instance) {
    const std::string className = Instance.ClassName();
    if (!IsIdentifier(className)) throw EWriteError("Invalid class name \"" + className + "\"");
    std::string text(kHeader);
    text += '\n';
    text += className + " {\n";
    WriteProperties(Instance, 1, text);
    text += "}\n";
    FStream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TWriter::WriteProperties(TPersistent& Instance, int Level, std::string& Out) {
    if (Level > kMaxNesting) throw EWriteError("Objects nested too deeply to be written");
    const std::string indent = Indent(Level);
    for (const TPublishedProperty& prop : Instance.GetPublishedProperties()) {
        CheckName(prop.Name());
        if (prop.Kind() == TPropertyKind::pkObject) {
            TPersistent* child = prop.GetObject();
            if (!child || !prop.IsStored()) continue;
            std::string body;
            WriteProperties(*child, Level + 1, body);
            // An object that would write nothing is left out: reading it back changes
            // nothing either.
            if (body.empty()) continue;
            Out += indent + prop.Name() + " {\n" + body + indent + "}\n";
        } else if (prop.IsStored()) {
            Out += indent + prop.Name() + " = " + FormatValue(prop) + "\n";
        }
    }
    std::string* const savedOut = FOut;
    const int savedLevel = FLevel;
    FOut = &Out;
    FLevel = Level;
    try {
        CallDefineProperties(Instance, *this);
    } catch (...) {
        FOut = savedOut;
        FLevel = savedLevel;
        throw;
    }
    FOut = savedOut;
    FLevel = savedLevel;
}

void TWriter::DefineProperty(const std::string& Name, TReaderProc, TWriterProc WriteData,
                             bool HasData) {
    if (!HasData || !WriteData) return;
    if (!FOut) throw EWriteError("DefineProperty outside of WriteObject");
    CheckName(Name);
    FValue.reset();
    FInDefinedProperty = true;
    try {
        WriteData(*this);
    } catch (...) {
        FInDefinedProperty = false;
        throw;
    }
    FInDefinedProperty = false;
    if (!FValue) throw EWriteError("Property " + Name + ": no value written");
    *FOut += Indent(FLevel) + Name + " = " + *FValue + "\n";
    FValue.reset();
}

void TWriter::DefineBinaryProperty(const std::string& Name, TStreamProc, TStreamProc WriteData,
                                   bool HasData) {
    if (!HasData || !WriteData) return;
    if (!FOut) throw EWriteError("DefineBinaryProperty outside of WriteObject");
    CheckName(Name);
    TMemoryStream body;
    WriteData(body);
    const auto& bytes = body.Memory();
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    *FOut += Indent(FLevel) + Name + " = " + FormatBinary(view, FLevel) + "\n";
}

void TWriter::WriteValue(std::string Text) {
    if (!FInDefinedProperty) throw EWriteError("Value written outside of a property");
    if (FValue) throw EWriteError("A property holds only one value");
    FValue = std::move(Text);
}

void TWriter::WriteString(std::string_view Value) {
    WriteValue(QuoteString(Value));
}
void TWriter::WriteInteger(int64_t Value) {
    WriteValue(std::to_string(Value));
}
void TWriter::WriteSingle(float Value) {
    WriteValue(FormatSingle(Value));
}
void TWriter::WriteDouble(double Value) {
    WriteValue(FormatDouble(Value));
}
void TWriter::WriteBoolean(bool Value) {
    WriteValue(Value ? "true" : "false");
}
void TWriter::WriteIdent(std::string_view Value) {
    if (!IsIdentifier(Value))
        throw EWriteError("Invalid identifier \"" + std::string(Value) + "\"");
    WriteValue(std::string(Value));
}

} // namespace kw::platform
