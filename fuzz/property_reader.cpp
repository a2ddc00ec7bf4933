// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the property stream reader. Every input must either read or
// fail with EReadError; afterwards the object must still write and read back its own
// stream.

#include "FuzzSupport.h"

#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/streams/ObjectStreaming.h>
#include <kwgfx/platform/streams/PropertyReader.h>
#include <kwgfx/platform/streams/PropertyWriter.h>

#include <cstdint>
#include <memory>
#include <string>

using namespace kw::platform;

namespace {

class TFuzzNode : public TPersistent {
public:
    int32_t Count = 0;
    float Ratio = 0;
    double Precise = 0;
    bool Flag = false;
    std::string Text;
    int Kind = 0;
    uint32_t Options = 0;
    std::string Note;
    std::string Body;
    std::unique_ptr<TFuzzNode> Child;
    int Depth = 0;

    explicit TFuzzNode(int ADepth) : Depth(ADepth) {
        if (Depth < 3) Child = std::make_unique<TFuzzNode>(Depth + 1);
    }

    TPublishedProperties GetPublishedProperties() override {
        TPublishedProperties p;
        p.push_back(TPublishedProperty::Integer(
            "Count", [this] { return Count; }, [this](int32_t V) { Count = V; }, 0));
        p.push_back(TPublishedProperty::Single(
            "Ratio", [this] { return Ratio; }, [this](float V) { Ratio = V; }));
        p.push_back(TPublishedProperty::Double(
            "Precise", [this] { return Precise; }, [this](double V) { Precise = V; }, 0.0));
        p.push_back(TPublishedProperty::Boolean(
            "Flag", [this] { return Flag; }, [this](bool V) { Flag = V; }, false));
        p.push_back(TPublishedProperty::String(
            "Text", [this] { return Text; }, [this](const std::string& V) { Text = V; }, ""));
        p.push_back(TPublishedProperty::Enumeration(
            "Kind", {"kA", "kB", "kC"}, [this] { return Kind; }, [this](int V) { Kind = V; }, 0));
        p.push_back(TPublishedProperty::Set(
            "Options", {"oA", "oB", "oC", "oD"}, [this] { return Options; },
            [this](uint32_t V) { Options = V; }, 0u));
        p.push_back(TPublishedProperty::Object("Child", [this] { return Child.get(); }));
        return p;
    }

protected:
    void DefineProperties(TFiler& Filer) override {
        Filer.DefineProperty(
            "Note", [this](TReader& R) { Note = R.ReadString(); },
            [this](TWriter& W) { W.WriteString(Note); }, !Note.empty());
        Filer.DefineBinaryProperty(
            "Body",
            [this](TStream& S) {
                std::string bytes(static_cast<size_t>(S.Size()), '\0');
                S.ReadBuffer(bytes.data(), S.Size());
                Body = bytes;
            },
            [this](TStream& S) { S.WriteBuffer(Body.data(), static_cast<int64_t>(Body.size())); },
            !Body.empty());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TFuzzNode node(0);
    // The class name in the fuzzed text must match; the seeds use "TFuzzNode".
    try {
        PropertyTextToObject(kw::fuzz::InputText(Data, Size), node);
    } catch (const EReadError&) {
    }
    // Whatever was read must write and read back to the same text.
    const std::string text = ObjectToPropertyText(node);
    TFuzzNode copy(0);
    PropertyTextToObject(text, copy);
    if (ObjectToPropertyText(copy) != text) kw::fuzz::Fail("written text does not read back");
    return 0;
}
