// SPDX-License-Identifier: MIT
// The collation orders of LocaleCompare.h, on ICU.

#include "kwgfx/platform/text/LocaleCompare.h"

#include "kwgfx/platform/text/AsciiText.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>

namespace kw::platform {

namespace {

// One collator per thread and strength: ICU collators are not safe to share while
// their settings could change, and creating one is far too slow to do per comparison.
icu::Collator* RootCollator(icu::Collator::ECollationStrength Strength) {
    auto make = [Strength] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> c(
            icu::Collator::createInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) return std::unique_ptr<icu::Collator>();
        c->setStrength(Strength);
        return c;
    };
    if (Strength == icu::Collator::TERTIARY) {
        thread_local std::unique_ptr<icu::Collator> tertiary = make();
        return tertiary.get();
    }
    thread_local std::unique_ptr<icu::Collator> secondary = make();
    return secondary.get();
}

int Sign(int Value) {
    return (Value > 0) - (Value < 0);
}

// Byte order: the fallback without a collator, and the tie-break of AnsiCompareStr.
int CompareBytes(std::string_view A, std::string_view B) {
    return Sign(A.compare(B));
}

int Collate(std::string_view A, std::string_view B, icu::Collator::ECollationStrength Strength) {
    icu::Collator* collator = RootCollator(Strength);
    if (!collator) return 2; // no collation data: the caller falls back to bytes
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r =
        collator->compareUTF8(icu::StringPiece(A.data(), int32_t(A.size())),
                              icu::StringPiece(B.data(), int32_t(B.size())), status);
    if (U_FAILURE(status)) return 2;
    return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

} // namespace

int AnsiCompareStr(std::string_view A, std::string_view B) {
    if (A == B) return 0;
    const int r = Collate(A, B, icu::Collator::TERTIARY);
    return (r == 0 || r == 2) ? CompareBytes(A, B) : r;
}

int AnsiCompareText(std::string_view A, std::string_view B) {
    if (A == B) return 0;
    const int r = Collate(A, B, icu::Collator::SECONDARY);
    return r == 2 ? CompareBytes(LowerCase(A), LowerCase(B)) : r;
}

} // namespace kw::platform
