// SPDX-License-Identifier: MIT
// Property stream binding: parsed nodes -> checked actions on the object's properties.

#include "kwgfx/platform/streams/detail/PropertyBinder.h"

#include "kwgfx/platform/streams/MemoryStream.h"
#include "kwgfx/platform/streams/detail/PropertyReadError.h"
#include "kwgfx/platform/streams/detail/PropertyValueConversion.h"

#include <algorithm>
#include <utility>

namespace kw::platform::reader_detail {

using namespace property_text;

namespace {

// TFiler's access to DefineProperties, reached from here.
struct TFilerAccess : TFiler {
    static void Define(TPersistent& Instance, TFiler& Filer) {
        CallDefineProperties(Instance, Filer);
    }
};

} // namespace

void TPropertyBinder::Bind(TPersistent& Instance, const std::vector<TPropertyNode>& Nodes,
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

void TPropertyBinder::BindPublished(const TPublishedProperty& Prop, const TPropertyNode& Node,
                                    std::vector<TBoundProperty>& Out) {
    if (Prop.Kind() == TPropertyKind::pkObject) {
        if (!Node.IsObject)
            FailAt(Node.Value, "property " + Prop.Name() + " expects an object block");
        TPersistent* child = Prop.GetObject();
        if (!child) FailAt(Node.Name, "property " + Prop.Name() + " has no object to read into");
        Bind(*child, Node.Children, Out);
        return;
    }
    if (Node.IsObject) FailAt(Node.Name, "property " + Prop.Name() + " is not an object");
    TPropertyValue value = ConvertValue(Prop, Node);
    Out.push_back({Node.Name, [Prop, value = std::move(value)] { Prop.SetValue(value); }});
}

void TPropertyBinder::BindDefined(const TReader::TDefinition& Def, const TPropertyNode& Node,
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
        FailAt(Node.Value,
               "property " + Def.Name + " expects a single value, found " + Describe(Node.Value));
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

} // namespace kw::platform::reader_detail
