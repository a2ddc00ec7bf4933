// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Locale-aware text tests on UTF-8 strings: equality, starts-with, ends-with and
/// containment, each in a case-sensitive (...Str) and a case-insensitive (...Text) form.
///
/// How texts are compared:
/// - Both texts are brought into Unicode normal form C, so canonically equivalent texts
///   match ("é" as one code point or as "e" plus a combining accent).
/// - The ...Text forms first apply full Unicode case folding, which also folds the
///   multi-letter cases: "Straße" equals "STRASSE", "Äpfel" equals "äPFEL".
/// - A partial match (starts, ends, contains) must begin and end on user-perceived
///   character boundaries: "e" is not the start of "é", even written with a combining accent.
/// - Case folding and normalisation do not depend on the process locale, so results are
///   the same on every machine. Invalid UTF-8 bytes read as U+FFFD.
/// - The ...Starts/Ends forms take the part first and the whole text second.

#include <string_view>

namespace kw::platform {

/// True when A and B are the same text (see above for what counts as the same).
bool AnsiSameStr(std::string_view A, std::string_view B);
/// True when A and B are the same text but for letter case.
bool AnsiSameText(std::string_view A, std::string_view B);
/// True when Text starts with SubText.
///@{
bool AnsiStartsStr(std::string_view SubText, std::string_view Text);
bool AnsiStartsText(std::string_view SubText, std::string_view Text);
///@}
/// True when Text ends with SubText.
///@{
bool AnsiEndsStr(std::string_view SubText, std::string_view Text);
bool AnsiEndsText(std::string_view SubText, std::string_view Text);
///@}
/// True when Text contains SubText (note the order: the whole text first).
///@{
bool AnsiContainsStr(std::string_view Text, std::string_view SubText);
bool AnsiContainsText(std::string_view Text, std::string_view SubText);
///@}

} // namespace kw::platform
