// Property stream reader.
//   - parsing: text -> tree of property nodes (syntax only)
//   - binding: nodes -> checked, converted actions on the object's properties
//   - TReader: reading the stream, applying the actions, values of declared properties

#include "kwgfx/platform/streams/PropertyReader.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/MemoryStream.h"

#include <algorithm>
#include <array>
#include <limits>

namespace kw::platform {

using namespace property_text;

namespace {

[[noreturn]] void FailAt(const TToken& At, const std::string& What) {
    throw EReadError("Property stream " + PositionText(At.Line, At.Column) + ": " + What);
}

std::string Describe(const TToken& T) {
    switch (T.Kind) {
    case TTokenKind::tkEnd:
        return "end of stream";
    case TTokenKind::tkIdentifier:
        return "'" + T.Text + "'";
    case TTokenKind::tkNumber:
        return "number";
    case TTokenKind::tkString:
        return "string";
    case TTokenKind::tkBinary:
        return "binary value";
    case TTokenKind::tkEquals:
        return "'='";
    case TTokenKind::tkLeftBrace:
        return "'{'";
    case TTokenKind::tkRightBrace:
        return "'}'";
    case TTokenKind::tkLeftBracket:
        return "'['";
    case TTokenKind::tkRightBracket:
        return "']'";
    case TTokenKind::tkComma:
        return "','";
    }
    return "token";
}

// ---------------------------------------------------------------- parsing

struct TPropertyNode {
    TToken Name;
    bool IsObject = false;
    // Scalar and binary values; a set is a tkLeftBracket token with its Members.
    TToken Value;
    std::vector<TToken> Members;
    std::vector<TPropertyNode> Children;
};

struct TDocument {
    TToken ClassName;
    std::vector<TPropertyNode> Properties;
};

class TParser {
public:
    TParser(std::string_view Text, int FirstLine) : FLexer(Text, FirstLine) {}

    TDocument ParseDocument() {
        TDocument doc;
        doc.ClassName = FLexer.Next();
        if (doc.ClassName.Kind != TTokenKind::tkIdentifier)
            FailAt(doc.ClassName,
                   "expected the class name of the root object, found " + Describe(doc.ClassName));
        Expect(TTokenKind::tkLeftBrace, "'{' after the class name");
        ParseBlock(1, doc.Properties);
        const TToken end = FLexer.Next();
        if (end.Kind != TTokenKind::tkEnd)
            FailAt(end, "unexpected " + Describe(end) + " after the root object");
        return doc;
    }

private:
    TToken Expect(TTokenKind Kind, const char* What) {
        TToken t = FLexer.Next();
        if (t.Kind != Kind) FailAt(t, std::string("expected ") + What + ", found " + Describe(t));
        return t;
    }

    // Properties up to and including the closing brace of an object at nesting Level.
    void ParseBlock(int Level, std::vector<TPropertyNode>& Out) {
        while (true) {
            TToken name = FLexer.Next();
            if (name.Kind == TTokenKind::tkRightBrace) return;
            if (name.Kind == TTokenKind::tkEnd)
                FailAt(name, "unexpected end of stream, '}' missing");
            if (name.Kind != TTokenKind::tkIdentifier)
                FailAt(name, "expected a property name, found " + Describe(name));
            TPropertyNode node;
            node.Name = std::move(name);
            TToken t = FLexer.Next();
            if (t.Kind == TTokenKind::tkLeftBrace) {
                if (Level >= kMaxNesting) FailAt(t, "objects nested too deeply");
                node.IsObject = true;
                ParseBlock(Level + 1, node.Children);
            } else if (t.Kind == TTokenKind::tkEquals) {
                ParseValue(node);
            } else {
                FailAt(t, "expected '=' or '{' after " + Describe(node.Name) + ", found " +
                              Describe(t));
            }
            Out.push_back(std::move(node));
        }
    }

    void ParseValue(TPropertyNode& Node) {
        Node.Value = FLexer.Next();
        switch (Node.Value.Kind) {
        case TTokenKind::tkIdentifier:
        case TTokenKind::tkNumber:
        case TTokenKind::tkString:
        case TTokenKind::tkBinary:
            return;
        case TTokenKind::tkLeftBracket:
            break;
        default:
            FailAt(Node.Value, "expected a value, found " + Describe(Node.Value));
        }
        TToken t = FLexer.Next();
        if (t.Kind == TTokenKind::tkRightBracket) return;
        while (true) {
            if (t.Kind != TTokenKind::tkIdentifier)
                FailAt(t, "expected a set member name, found " + Describe(t));
            Node.Members.push_back(std::move(t));
            t = FLexer.Next();
            if (t.Kind == TTokenKind::tkRightBracket) return;
            if (t.Kind != TTokenKind::tkComma)
                FailAt(t, "expected ',' or ']' in a set, found " + Describe(t));
            t = FLexer.Next();
        }
    }

    TLexer FLexer;
};

// ---------------------------------------------------------------- value conversion

int64_t MemberOrdinal(const TPublishedProperty& Prop, const TToken& T) {
    const auto& members = Prop.Members();
    const auto it = std::find(members.begin(), members.end(), T.Text);
    if (T.Kind != TTokenKind::tkIdentifier || it == members.end())
        FailAt(T, "property " + Prop.Name() + ": " + Describe(T) + " is not one of its values");
    return it - members.begin();
}

TPropertyValue ConvertValue(const TPublishedProperty& Prop, const TPropertyNode& Node) {
    const TToken& v = Node.Value;
    const std::string& name = Prop.Name();
    auto mismatch = [&](const char* Expected) -> TPropertyValue {
        FailAt(v, "property " + name + " expects " + Expected + ", found " + Describe(v));
    };
    if (v.Kind == TTokenKind::tkLeftBracket && Prop.Kind() != TPropertyKind::pkSet)
        return mismatch("a single value");
    switch (Prop.Kind()) {
    case TPropertyKind::pkInteger: {
        int64_t i = 0;
        if (v.Kind != TTokenKind::tkNumber || !ParseInteger(v.Text, i))
            return mismatch("an integer");
        if (i < std::numeric_limits<int32_t>::min() || i > std::numeric_limits<int32_t>::max())
            FailAt(v, "property " + name + ": integer out of range");
        return i;
    }
    case TPropertyKind::pkSingle: {
        float f = 0;
        if ((v.Kind != TTokenKind::tkNumber && v.Kind != TTokenKind::tkIdentifier) ||
            !ParseSingle(v.Text, f))
            return mismatch("a number in the single range");
        return double{f};
    }
    case TPropertyKind::pkDouble: {
        double d = 0;
        if ((v.Kind != TTokenKind::tkNumber && v.Kind != TTokenKind::tkIdentifier) ||
            !ParseDouble(v.Text, d))
            return mismatch("a number in the double range");
        return d;
    }
    case TPropertyKind::pkBoolean:
        if (v.Kind == TTokenKind::tkIdentifier && v.Text == "true") return true;
        if (v.Kind == TTokenKind::tkIdentifier && v.Text == "false") return false;
        return mismatch("true or false");
    case TPropertyKind::pkString:
        if (v.Kind != TTokenKind::tkString) return mismatch("a string");
        return v.Text;
    case TPropertyKind::pkEnumeration:
        if (v.Kind != TTokenKind::tkIdentifier) return mismatch("a value name");
        return MemberOrdinal(Prop, v);
    case TPropertyKind::pkSet: {
        if (v.Kind != TTokenKind::tkLeftBracket) return mismatch("a set [...]");
        int64_t mask = 0;
        for (const TToken& m : Node.Members) mask |= int64_t{1} << MemberOrdinal(Prop, m);
        return mask;
    }
    case TPropertyKind::pkObject:
        break;
    }
    return mismatch("an object");
}

} // namespace

// ---------------------------------------------------------------- binding

// One property ready to be applied: where it stood and what applying it does.
struct TBoundProperty {
    TToken Name;
    std::function<void()> Apply;
};

class TPropertyBinder {
public:
    explicit TPropertyBinder(TReader& Reader) : FReader(Reader) {}

    void Bind(TPersistent& Instance, const std::vector<TPropertyNode>& Nodes,
              std::vector<TBoundProperty>& Out) {
        const TPublishedProperties published = Instance.GetPublishedProperties();
        std::vector<TReader::TDefinition> defined;
        FReader.FDefinitions = &defined;
        try {
            TFilerAccess::Define(Instance, FReader);
        } catch (...) {
            FReader.FDefinitions = nullptr;
            throw;
        }
        FReader.FDefinitions = nullptr;

        for (const TPropertyNode& node : Nodes) {
            const std::string& name = node.Name.Text;
            const auto pub = std::find_if(published.begin(), published.end(),
                                          [&](const auto& P) { return P.Name() == name; });
            if (pub != published.end()) {
                BindPublished(*pub, node, Out);
                continue;
            }
            const auto def = std::find_if(defined.begin(), defined.end(),
                                          [&](const auto& D) { return D.Name == name; });
            if (def != defined.end()) {
                BindDefined(*def, node, Out);
                continue;
            }
            FailAt(node.Name, "unknown property '" + name + "' of " + Instance.ClassName());
        }
    }

private:
    // TFiler's access to DefineProperties, reached from here.
    struct TFilerAccess : TFiler {
        static void Define(TPersistent& Instance, TFiler& Filer) {
            CallDefineProperties(Instance, Filer);
        }
    };

    void BindPublished(const TPublishedProperty& Prop, const TPropertyNode& Node,
                       std::vector<TBoundProperty>& Out) {
        if (Prop.Kind() == TPropertyKind::pkObject) {
            if (!Node.IsObject)
                FailAt(Node.Value, "property " + Prop.Name() + " expects an object block");
            TPersistent* child = Prop.GetObject();
            if (!child)
                FailAt(Node.Name, "property " + Prop.Name() + " has no object to read into");
            Bind(*child, Node.Children, Out);
            return;
        }
        if (Node.IsObject) FailAt(Node.Name, "property " + Prop.Name() + " is not an object");
        TPropertyValue value = ConvertValue(Prop, Node);
        Out.push_back({Node.Name, [Prop, value = std::move(value)] { Prop.SetValue(value); }});
    }

    void BindDefined(const TReader::TDefinition& Def, const TPropertyNode& Node,
                     std::vector<TBoundProperty>& Out) {
        if (Node.IsObject) FailAt(Node.Name, "property " + Def.Name + " is not an object");
        if (Def.ReadBinary) {
            if (Node.Value.Kind != TTokenKind::tkBinary)
                FailAt(Node.Value, "property " + Def.Name + " expects a binary value, found " +
                                       Describe(Node.Value));
            Out.push_back({Node.Name, [proc = Def.ReadBinary, bytes = Node.Value.Text] {
                               TMemoryStream body(bytes);
                               proc(body);
                           }});
            return;
        }
        const TTokenKind k = Node.Value.Kind;
        if (k == TTokenKind::tkBinary || k == TTokenKind::tkLeftBracket)
            FailAt(Node.Value, "property " + Def.Name + " expects a single value, found " +
                                   Describe(Node.Value));
        TReader* reader = &FReader;
        Out.push_back({Node.Name, [reader, proc = Def.ReadText, value = Node.Value] {
                           reader->FValue = &value;
                           try {
                               proc(*reader);
                           } catch (...) {
                               reader->FValue = nullptr;
                               throw;
                           }
                           reader->FValue = nullptr;
                       }});
    }

    TReader& FReader;
};

// ---------------------------------------------------------------- TReader

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

    TParser parser(body, 2);
    const TDocument doc = parser.ParseDocument();
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
    if (v.Kind != TTokenKind::tkNumber || !ParseInteger(v.Text, i) ||
        i < std::numeric_limits<int32_t>::min() || i > std::numeric_limits<int32_t>::max())
        throw EReadError("expected a 32-bit integer, found " + Describe(v));
    return static_cast<int32_t>(i);
}

float TReader::ReadSingle() {
    const TToken& v = CurrentValue("number");
    float f = 0;
    if ((v.Kind != TTokenKind::tkNumber && v.Kind != TTokenKind::tkIdentifier) ||
        !ParseSingle(v.Text, f))
        throw EReadError("expected a number in the single range, found " + Describe(v));
    return f;
}

double TReader::ReadDouble() {
    const TToken& v = CurrentValue("number");
    double d = 0;
    if ((v.Kind != TTokenKind::tkNumber && v.Kind != TTokenKind::tkIdentifier) ||
        !ParseDouble(v.Text, d))
        throw EReadError("expected a number, found " + Describe(v));
    return d;
}

bool TReader::ReadBoolean() {
    const TToken& v = CurrentValue("boolean");
    if (v.Kind == TTokenKind::tkIdentifier && v.Text == "true") return true;
    if (v.Kind == TTokenKind::tkIdentifier && v.Text == "false") return false;
    throw EReadError("expected true or false, found " + Describe(v));
}

std::string TReader::ReadIdent() {
    const TToken& v = CurrentValue("identifier");
    if (v.Kind != TTokenKind::tkIdentifier)
        throw EReadError("expected an identifier, found " + Describe(v));
    return v.Text;
}

} // namespace kw::platform
