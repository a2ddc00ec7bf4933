// SPDX-License-Identifier: MIT
// Property stream parsing: tokens -> tree of property nodes (syntax only).

#include "kwgfx/platform/streams/detail/PropertyParser.h"

#include "kwgfx/platform/streams/detail/PropertyReadError.h"

#include <string>
#include <utility>

namespace kw::platform::reader_detail {

using namespace property_text;

namespace {

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

} // namespace

TDocument ParsePropertyDocument(std::string_view Text, int FirstLine) {
    return TParser(Text, FirstLine).ParseDocument();
}

} // namespace kw::platform::reader_detail
