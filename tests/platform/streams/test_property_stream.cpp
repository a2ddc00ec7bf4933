// SPDX-License-Identifier: MIT
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/streams/FileStream.h>
#include <kwgfx/platform/streams/MemoryStream.h>
#include <kwgfx/platform/streams/ObjectStreaming.h>
#include <kwgfx/platform/streams/PropertyReader.h>
#include <kwgfx/platform/streams/PropertyWriter.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

using namespace kw::platform;

namespace {

enum class TAlign { taLeft, taCenter, taRight };

class TSampleInner : public TPersistent {
public:
    float X = 0;
    std::vector<std::string>* Log = nullptr;

    TPublishedProperties GetPublishedProperties() override {
        auto props = TPersistent::GetPublishedProperties();
        props.push_back(TPublishedProperty::Single(
                            "X", [this] { return X; },
                            [this](float V) {
                                X = V;
                                if (Log) Log->push_back("Inner.X");
                            })
                            .StoredIf([this] { return X != 0; }));
        return props;
    }
};

// Every kind of published property, a nested object, an absent object, a property that
// is never stored, and two declared properties (a text one and a binary one).
class TSampleComponent : public TPersistent {
public:
    int32_t Width = 0;
    float Ratio = 0;
    double Precise = 1;
    bool Visible = true;
    std::string Caption;
    TAlign Alignment = TAlign::taLeft;
    uint32_t Style = 0;
    std::string Hidden;
    std::string Note;
    std::string Blob;
    TSampleInner Inner;
    std::vector<std::string> Log;

    TSampleComponent() { Inner.Log = &Log; }

    TPublishedProperties GetPublishedProperties() override {
        auto props = TPersistent::GetPublishedProperties();
        props.push_back(TPublishedProperty::Integer(
            "Width", [this] { return Width; }, [this](int32_t V) { Set(Width, V, "Width"); }, 0));
        props.push_back(TPublishedProperty::Single(
            "Ratio", [this] { return Ratio; }, [this](float V) { Set(Ratio, V, "Ratio"); }));
        props.push_back(TPublishedProperty::Double(
            "Precise", [this] { return Precise; }, [this](double V) { Set(Precise, V, "Precise"); },
            1.0));
        props.push_back(TPublishedProperty::Boolean(
            "Visible", [this] { return Visible; }, [this](bool V) { Set(Visible, V, "Visible"); },
            true));
        props.push_back(TPublishedProperty::String(
            "Caption", [this] { return Caption; },
            [this](const std::string& V) { Set(Caption, V, "Caption"); }, ""));
        props.push_back(TPublishedProperty::Enumeration<TAlign>(
            "Alignment", {"taLeft", "taCenter", "taRight"}, [this] { return Alignment; },
            [this](TAlign V) { Set(Alignment, V, "Alignment"); }, TAlign::taLeft));
        props.push_back(TPublishedProperty::Set(
            "Style", {"fsBold", "fsItalic", "fsUnderline"}, [this] { return Style; },
            [this](uint32_t V) { Set(Style, V, "Style"); }, 0u));
        props.push_back(TPublishedProperty::Object("Inner", [this] { return &Inner; }));
        props.push_back(TPublishedProperty::Object("Missing", [] { return nullptr; }));
        props.push_back(TPublishedProperty::String(
                            "Hidden", [this] { return Hidden; },
                            [this](const std::string& V) { Set(Hidden, V, "Hidden"); })
                            .NotStored());
        return props;
    }

protected:
    void DefineProperties(TFiler& Filer) override {
        TPersistent::DefineProperties(Filer);
        Filer.DefineProperty(
            "Note", [this](TReader& R) { Set(Note, R.ReadString(), "Note"); },
            [this](TWriter& W) { W.WriteString(Note); }, !Note.empty());
        Filer.DefineBinaryProperty(
            "Blob",
            [this](TStream& S) {
                std::string bytes(static_cast<size_t>(S.Size()), '\0');
                S.ReadBuffer(bytes.data(), S.Size());
                if (!bytes.empty() && bytes[0] == '\xFF') throw EReadError("refused body");
                Set(Blob, bytes, "Blob");
            },
            [this](TStream& S) { S.WriteBuffer(Blob.data(), static_cast<int64_t>(Blob.size())); },
            !Blob.empty());
    }

private:
    template <typename T, typename V>
    void Set(T& Field, const V& Value, const char* Name) {
        Field = Value;
        Log.push_back(Name);
    }
};

constexpr const char* kHeader = "kwgfx-properties 1\n";

std::string Doc(const std::string& Body) {
    return std::string(kHeader) + "TSampleComponent {\n" + Body + "}\n";
}

} // namespace

TEST(PropertyStream, WritesOnlyWhatDiffersFromDefaults) {
    TSampleComponent c;
    // Ratio has no default and is always written; Precise, Visible, Caption... equal
    // their defaults; Inner writes nothing (its stored-test is false), so it is left out.
    EXPECT_EQ(ObjectToPropertyText(c), Doc("  Ratio = 0\n"));

    c.Width = -7;
    c.Ratio = 0.1f;
    c.Visible = false;
    c.Caption = "say \"hi\"\n";
    c.Alignment = TAlign::taRight;
    c.Style = 5;
    c.Hidden = "never written";
    c.Inner.X = 2.5f;
    c.Note = "(3,4)";
    c.Blob = "\x01\x02";
    EXPECT_EQ(ObjectToPropertyText(c), Doc("  Width = -7\n"
                                           "  Ratio = 0.1\n"
                                           "  Visible = false\n"
                                           "  Caption = \"say \\\"hi\\\"\\n\"\n"
                                           "  Alignment = taRight\n"
                                           "  Style = [fsBold, fsUnderline]\n"
                                           "  Inner {\n"
                                           "    X = 2.5\n"
                                           "  }\n"
                                           "  Note = \"(3,4)\"\n"
                                           "  Blob = <0102>\n"));
}

TEST(PropertyStream, RoundTripsEveryKindExactly) {
    TSampleComponent c;
    c.Width = std::numeric_limits<int32_t>::min();
    c.Ratio = std::numeric_limits<float>::denorm_min();
    c.Precise = 0.1 + 0.2;
    c.Visible = false;
    const char caption[] = "tab\there, bell\x07, nul\0, del\x7F, \xC3\xA9t\xC3\xA9 \\";
    c.Caption = std::string(caption, sizeof caption - 1);
    c.Alignment = TAlign::taCenter;
    c.Style = 7;
    c.Inner.X = -std::numeric_limits<float>::max();
    c.Note = "";
    for (int i = 0; i < 100; ++i) c.Blob += static_cast<char>(i * 37);

    TSampleComponent d;
    PropertyTextToObject(ObjectToPropertyText(c), d);
    EXPECT_EQ(d.Width, c.Width);
    EXPECT_EQ(d.Ratio, c.Ratio);
    EXPECT_EQ(d.Precise, c.Precise);
    EXPECT_EQ(d.Visible, c.Visible);
    EXPECT_EQ(d.Caption, c.Caption);
    EXPECT_EQ(d.Alignment, c.Alignment);
    EXPECT_EQ(d.Style, c.Style);
    EXPECT_EQ(d.Inner.X, c.Inner.X);
    EXPECT_EQ(d.Blob, c.Blob);
    EXPECT_EQ(ObjectToPropertyText(d), ObjectToPropertyText(c));

    // Special float values.
    for (float v : {-0.0f, std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity(), 1e-40f, 16777217.0f}) {
        c.Ratio = v;
        PropertyTextToObject(ObjectToPropertyText(c), d);
        EXPECT_EQ(std::signbit(d.Ratio), std::signbit(v));
        EXPECT_EQ(d.Ratio, v);
    }
    c.Ratio = std::numeric_limits<float>::quiet_NaN();
    PropertyTextToObject(ObjectToPropertyText(c), d);
    EXPECT_TRUE(std::isnan(d.Ratio));
}

TEST(PropertyStream, AppliesPropertiesInStreamOrderThroughSetters) {
    TSampleComponent c;
    PropertyTextToObject(
        Doc("Style=[fsItalic,fsItalic] Inner { X = 1 }\n"
            "Width = +12 Hidden = \"read anyway\" Note = \"x\" Width = 13 Ratio = -inf\r\n"
            "  Blob = < 0a 0B\n 0c >\n"
            "  Precise = 1.5E3 Inner { }\n"),
        c);
    EXPECT_EQ(c.Log, (std::vector<std::string>{"Style", "Inner.X", "Width", "Hidden", "Note",
                                               "Width", "Ratio", "Blob", "Precise"}));
    EXPECT_EQ(c.Style, 2u);
    EXPECT_EQ(c.Width, 13);
    EXPECT_EQ(c.Hidden, "read anyway");
    EXPECT_EQ(c.Blob, "\x0a\x0b\x0c");
    EXPECT_EQ(c.Precise, 1500);
    EXPECT_EQ(c.Ratio, -std::numeric_limits<float>::infinity());
}

// Inputs that must be refused, with the position the error names. None may change the
// object: every fault here is found before any property is applied.
TEST(PropertyStream, RefusesBadInputWithAPositionAndChangesNothing) {
    struct TBadInput {
        const char* Name;
        std::string Text;
        const char* Expected; // part of the message
    };
    const std::string h = kHeader;
    const TBadInput cases[] = {
        {"empty", "", "line 1, column 1"},
        {"wrong header", "kwgfx-properties 2\nTSampleComponent {}\n", "line 1, column 1"},
        {"header only", h, "line 2, column 1: expected the class name"},
        {"wrong class", h + "TOther { }", "line 2, column 1: the stream holds a TOther"},
        {"missing brace", h + "TSampleComponent {\n  Width = 1\n", "line 4, column 1"},
        {"text after root", h + "TSampleComponent { }\n}", "line 3, column 1"},
        {"unknown property", Doc("  Width = 1\n  Height = 2\n"), "line 4, column 3: unknown"},
        {"unknown nested property", Doc("  Inner {\n    Y = 1\n  }\n"), "line 4, column 5"},
        {"late error still changes nothing", Doc("  Width = 5\n  Caption = 7\n"),
         "line 4, column 13: property Caption expects a string"},
        {"integer overflow", Doc("Width = 2147483648"), "integer out of range"},
        {"float as integer", Doc("Width = 1.5"), "expects an integer"},
        {"single overflow", Doc("Ratio = 1e39"), "single range"},
        {"single underflow", Doc("Ratio = 1e-60"), "single range"},
        {"number junk", Doc("Ratio = 1.2.3"), "single range"},
        {"hex number", Doc("Width = 0x10"), "expects an integer"},
        {"boolean spelling", Doc("Visible = True"), "true or false"},
        {"unknown enum member", Doc("Alignment = taMiddle"), "is not one of its values"},
        {"enum as number", Doc("Alignment = 1"), "expects a value name"},
        {"unknown set member", Doc("Style = [fsBold, fsWide]"), "line 3, column 18"},
        {"set without comma", Doc("Style = [fsBold fsItalic]"), "expected ',' or ']'"},
        {"trailing comma in set", Doc("Style = [fsBold,]"), "expected a set member name"},
        {"set for scalar", Doc("Width = [fsBold]"), "a single value"},
        {"object for scalar", Doc("Width { }"), "is not an object"},
        {"scalar for object", Doc("Inner = 1"), "expects an object block"},
        {"absent object", Doc("Missing { }"), "no object to read into"},
        {"string for binary", Doc("Blob = \"01\""), "expects a binary value"},
        {"binary for text", Doc("Note = <01>"), "expects a single value"},
        {"odd hex digits", Doc("Blob = <012>"), "odd number of hex digits"},
        {"bad hex digit", Doc("Blob = <0g>"), "bad hex digit"},
        {"unterminated binary", h + "TSampleComponent { Blob = <01", "unterminated binary"},
        {"unterminated string at end", h + "TSampleComponent { Caption = \"ab",
         "line 2, column 33"},
        {"unterminated string", Doc("Caption = \"abc\n\""), "line 3, column 15: unterminated"},
        {"bad escape", Doc("Caption = \"\\q\""), "bad escape"},
        {"short hex escape", Doc("Caption = \"\\x4\""), "bad \\x escape"},
        {"nul byte", Doc(std::string("Width = 1\0", 10)), "unexpected character 0x00"},
        {"missing value", Doc("Width =\n"), "line 4, column 1: expected a value"},
        {"missing equals", Doc("Width 1"), "expected '=' or '{'"},
        {"value without name", Doc("= 1"), "expected a property name"},
        {"too deep", Doc(std::string(70, '{')), "expected a property name"},
    };
    for (const auto& bad : cases) {
        TSampleComponent c;
        c.Width = 42;
        const std::string before = ObjectToPropertyText(c);
        try {
            PropertyTextToObject(bad.Text, c);
            ADD_FAILURE() << bad.Name << ": accepted";
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find(bad.Expected), std::string::npos)
                << bad.Name << ": " << e.Message();
        }
        EXPECT_EQ(ObjectToPropertyText(c), before) << bad.Name;
        EXPECT_TRUE(c.Log.empty()) << bad.Name;
    }
}

TEST(PropertyStream, RefusesNestingDeeperThanTheLimit) {
    // A chain of objects each owning the next: deeper than the format allows.
    struct TChain : TPersistent {
        std::unique_ptr<TChain> Next;
        float V = 0;
        TPublishedProperties GetPublishedProperties() override {
            TPublishedProperties p;
            p.push_back(TPublishedProperty::Single(
                "V", [this] { return V; }, [this](float X) { V = X; }, 0.0f));
            p.push_back(TPublishedProperty::Object("Next", [this] { return Next.get(); }));
            return p;
        }
    };
    std::string text = std::string(kHeader) + "TChain {\n";
    for (int i = 0; i < 70; ++i) text += "Next {\n";
    TChain root;
    try {
        PropertyTextToObject(text, root);
        FAIL() << "accepted";
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message().find("nested too deeply"), std::string::npos) << e.Message();
    }

    TChain* last = &root;
    for (int i = 0; i < 70; ++i) {
        last->Next = std::make_unique<TChain>();
        last = last->Next.get();
    }
    last->V = 1;
    EXPECT_THROW(ObjectToPropertyText(root), EWriteError);
}

TEST(PropertyStream, AnErrorWhileApplyingNamesThePropertyAndKeepsEarlierValues) {
    TSampleComponent c;
    try {
        PropertyTextToObject(Doc("  Width = 3\n  Blob = <FF00>\n  Caption = \"late\"\n"), c);
        FAIL() << "accepted";
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message().find("line 4, column 3: property Blob: refused body"),
                  std::string::npos)
            << e.Message();
    }
    EXPECT_EQ(c.Width, 3);
    EXPECT_EQ(c.Caption, "");
    // Still usable: a good stream reads normally afterwards.
    PropertyTextToObject(Doc("Caption = \"ok\""), c);
    EXPECT_EQ(c.Caption, "ok");
}

TEST(PropertyStream, DeclaredValuesCheckTheirType) {
    struct TTyped : TPersistent {
        int32_t I = 0;
        float S = 0;
        double D = 0;
        bool B = false;
        std::string Id;
        void DefineProperties(TFiler& F) override {
            F.DefineProperty(
                "I", [this](TReader& R) { I = R.ReadInteger(); },
                [this](TWriter& W) { W.WriteInteger(I); }, true);
            F.DefineProperty(
                "S", [this](TReader& R) { S = R.ReadSingle(); },
                [this](TWriter& W) { W.WriteSingle(S); }, true);
            F.DefineProperty(
                "D", [this](TReader& R) { D = R.ReadDouble(); },
                [this](TWriter& W) { W.WriteDouble(D); }, true);
            F.DefineProperty(
                "B", [this](TReader& R) { B = R.ReadBoolean(); },
                [this](TWriter& W) { W.WriteBoolean(B); }, true);
            F.DefineProperty(
                "Id", [this](TReader& R) { Id = R.ReadIdent(); },
                [this](TWriter& W) { W.WriteIdent(Id.empty() ? "none" : Id); }, true);
        }
    };
    TTyped a;
    a.I = -5;
    a.S = 1.25f;
    a.D = 1e300;
    a.B = true;
    a.Id = "clRed";
    TTyped b;
    PropertyTextToObject(ObjectToPropertyText(a), b);
    EXPECT_EQ(b.I, -5);
    EXPECT_EQ(b.S, 1.25f);
    EXPECT_EQ(b.D, 1e300);
    EXPECT_TRUE(b.B);
    EXPECT_EQ(b.Id, "clRed");

    const std::string h = std::string(kHeader) + "TTyped { ";
    for (const char* bad :
         {"I = \"1\"", "I = 3000000000", "S = 1e300", "D = x", "B = 1", "Id = \"clRed\""}) {
        EXPECT_THROW(PropertyTextToObject(h + bad + " }", b), EReadError) << bad;
    }
}

TEST(PropertyStream, WriterRefusesWhatItCannotWriteAndLeavesTheStreamUntouched) {
    TSampleComponent c;
    c.Alignment = static_cast<TAlign>(9);
    TMemoryStream s;
    EXPECT_THROW(TWriter(s).WriteObject(c), EWriteError);
    EXPECT_EQ(s.Size(), 0);

    struct TBadWriters : TPersistent {
        int Mode = 0;
        void DefineProperties(TFiler& F) override {
            F.DefineProperty(
                Mode == 2 ? "not a name" : "P", nullptr,
                [this](TWriter& W) {
                    if (Mode == 0) return; // writes nothing
                    W.WriteInteger(1);
                    if (Mode == 1) W.WriteInteger(2);
                },
                true);
        }
    };
    for (int mode = 0; mode < 3; ++mode) {
        TBadWriters w;
        w.Mode = mode;
        EXPECT_THROW(ObjectToPropertyText(w), EWriteError) << mode;
    }
}

TEST(PropertyStream, ReadsOnlyAsMuchAsTheLimitAllows) {
    TMemoryStream big;
    big.SetSize(65 * 1024 * 1024);
    TSampleComponent c;
    EXPECT_THROW(TReader(big).ReadObject(c), EReadError);
}

TEST(PropertyStream, SavesToAndLoadsFromFiles) {
    const auto path =
        (std::filesystem::temp_directory_path() / "kwgfx_property_stream_test.txt").string();
    TSampleComponent c;
    c.Caption = "saved";
    c.Inner.X = 4;
    SaveObjectToFile(c, path);
    TSampleComponent d;
    LoadObjectFromFile(d, path);
    EXPECT_EQ(d.Caption, "saved");
    EXPECT_EQ(d.Inner.X, 4);
    std::filesystem::remove(path);
    EXPECT_THROW(LoadObjectFromFile(d, path), EFOpenError);
}
