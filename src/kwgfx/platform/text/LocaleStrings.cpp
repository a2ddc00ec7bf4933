// SPDX-License-Identifier: MIT
// The locale-aware text tests of LocaleStrings.h, on ICU.
//
// Sections: comparison keys; character boundaries; the tests.

#include "kwgfx/platform/text/LocaleStrings.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <memory>

namespace kw::platform {

namespace {

// ---------------------------------------------------------------- comparison keys

const icu::Normalizer2* Nfc() {
    static const icu::Normalizer2* nfc = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(status);
        return U_SUCCESS(status) ? n : nullptr;
    }();
    return nfc;
}

const icu::Normalizer2* Nfd() {
    static const icu::Normalizer2* nfd = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* n = icu::Normalizer2::getNFDInstance(status);
        return U_SUCCESS(status) ? n : nullptr;
    }();
    return nfd;
}

icu::UnicodeString Normalized(const icu::Normalizer2* N, const icu::UnicodeString& S) {
    if (!N) return S;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString r = N->normalize(S, status);
    return U_SUCCESS(status) ? r : S;
}

// The form in which two texts are compared: NFC, case-folded first for the ...Text tests.
// Folding runs on the decomposed text, as canonical caseless matching requires (a
// precomposed letter may fold differently from its decomposition otherwise).
icu::UnicodeString Key(std::string_view S, bool FoldCase) {
    icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(S.data(), int32_t(S.size())));
    if (FoldCase) {
        u = Normalized(Nfd(), u);
        u.foldCase(U_FOLD_CASE_DEFAULT);
    }
    return Normalized(Nfc(), u);
}

// ---------------------------------------------------------------- character boundaries

// Tells whether an offset of a text falls between two user-perceived characters. One
// iterator per thread: ICU break iterators are not safe to share.
class TCharacterBoundaries {
public:
    explicit TCharacterBoundaries(const icu::UnicodeString& Text) {
        thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
            UErrorCode status = U_ZERO_ERROR;
            std::unique_ptr<icu::BreakIterator> it(
                icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
            return U_SUCCESS(status) ? std::move(it) : nullptr;
        }();
        FIterator = iterator.get();
        if (FIterator) FIterator->setText(Text);
        FLength = Text.length();
    }

    bool IsBoundary(int32_t Offset) const {
        if (Offset <= 0 || Offset >= FLength) return true;
        return FIterator ? FIterator->isBoundary(Offset) : true;
    }

private:
    icu::BreakIterator* FIterator = nullptr;
    int32_t FLength = 0;
};

// ---------------------------------------------------------------- the tests

bool Same(std::string_view A, std::string_view B, bool FoldCase) {
    if (A == B) return true;
    return Key(A, FoldCase) == Key(B, FoldCase);
}

bool Starts(std::string_view SubText, std::string_view Text, bool FoldCase) {
    const icu::UnicodeString sub = Key(SubText, FoldCase), text = Key(Text, FoldCase);
    if (!text.startsWith(sub)) return false;
    return TCharacterBoundaries(text).IsBoundary(sub.length());
}

bool Ends(std::string_view SubText, std::string_view Text, bool FoldCase) {
    const icu::UnicodeString sub = Key(SubText, FoldCase), text = Key(Text, FoldCase);
    if (!text.endsWith(sub)) return false;
    return TCharacterBoundaries(text).IsBoundary(text.length() - sub.length());
}

bool Contains(std::string_view Text, std::string_view SubText, bool FoldCase) {
    const icu::UnicodeString sub = Key(SubText, FoldCase), text = Key(Text, FoldCase);
    if (sub.isEmpty()) return true;
    int32_t at = text.indexOf(sub);
    if (at < 0) return false;
    const TCharacterBoundaries boundaries(text);
    for (; at >= 0; at = text.indexOf(sub, at + 1))
        if (boundaries.IsBoundary(at) && boundaries.IsBoundary(at + sub.length())) return true;
    return false;
}

} // namespace

bool AnsiSameStr(std::string_view A, std::string_view B) {
    return Same(A, B, false);
}
bool AnsiSameText(std::string_view A, std::string_view B) {
    return Same(A, B, true);
}

bool AnsiStartsStr(std::string_view SubText, std::string_view Text) {
    return Starts(SubText, Text, false);
}
bool AnsiStartsText(std::string_view SubText, std::string_view Text) {
    return Starts(SubText, Text, true);
}

bool AnsiEndsStr(std::string_view SubText, std::string_view Text) {
    return Ends(SubText, Text, false);
}
bool AnsiEndsText(std::string_view SubText, std::string_view Text) {
    return Ends(SubText, Text, true);
}

bool AnsiContainsStr(std::string_view Text, std::string_view SubText) {
    return Contains(Text, SubText, false);
}
bool AnsiContainsText(std::string_view Text, std::string_view SubText) {
    return Contains(Text, SubText, true);
}

} // namespace kw::platform
