// SPDX-License-Identifier: MIT
#pragma once
// The second step of reading a property stream: each parsed node found among the object's
// published and declared properties (nested objects included) and turned into an action
// that applies its value. Every name and every published value is checked here, so a
// stream with a fault anywhere raises EReadError before any property changes.

#include "kwgfx/platform/streams/PropertyReader.h"
#include "kwgfx/platform/streams/detail/PropertyParser.h"

#include <functional>
#include <vector>

namespace kw::platform::reader_detail {

// One property ready to be applied: where it stood and what applying it does.
struct TBoundProperty {
    property_text::TToken Name;
    std::function<void()> Apply;
};

class TPropertyBinder {
public:
    // Reader collects the declared properties and hands their values to their reader
    // procedures; it must outlive the bound actions.
    explicit TPropertyBinder(TReader& Reader) : FReader(Reader) {}

    // Appends to Out, in stream order, one action per property in Nodes, the properties of
    // a nested object where its node stands.
    void Bind(TPersistent& Instance, const std::vector<TPropertyNode>& Nodes,
              std::vector<TBoundProperty>& Out);

private:
    void BindPublished(const TPublishedProperty& Prop, const TPropertyNode& Node,
                       std::vector<TBoundProperty>& Out);
    void BindDefined(const TReader::TDefinition& Def, const TPropertyNode& Node,
                     std::vector<TBoundProperty>& Out);

    TReader& FReader;
};

} // namespace kw::platform::reader_detail
