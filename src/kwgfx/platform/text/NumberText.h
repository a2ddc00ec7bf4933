// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Numbers as text, independent of the process locale: the decimal separator comes from
/// an explicit format record, never from the user's regional settings.

#include <string>
#include <string_view>

namespace kw::platform {

/// The parts of a number format that the library's text formats use.
struct TFormatSettings {
    char DecimalSeparator = '.'; ///< The decimal separator.
    /// The thousands separator (never written by the library's formats).
    char ThousandSeparator = ',';
};

/// The US English number format: "." and ",".
inline constexpr TFormatSettings UsEnglishFormat{'.', ','};

/// General float format: at most 15 significant digits, trailing zeros removed, a decimal
/// separator only when needed; fixed notation when |Value| >= 0.00001 and it has at most 15
/// integer digits, otherwise scientific ("1.5E20", "1E-6": a sign only for negative
/// exponents, no leading zeros). Zero is "0"; NaN and infinities are "NAN", "INF", "-INF".
std::string FloatToStr(long double Value, const TFormatSettings& Format = UsEnglishFormat);

/// Appends the same text to Out without building a temporary string.
void AppendFloatToStr(std::string& Out, long double Value,
                      const TFormatSettings& Format = UsEnglishFormat);

/// Reads a decimal number: optional blanks, an optional sign, digits with an optional
/// separator and fraction (at least one digit in all), an optional exponent ("E" or "e",
/// optional sign, digits), optional blanks; nothing else. Infinities, NaN, hexadecimal
/// and values beyond the double range are refused.
bool TryStrToFloat(std::string_view Text, double& Value,
                   const TFormatSettings& Format = UsEnglishFormat);

/// As TryStrToFloat, then rounded to float; a value beyond the float range is refused
/// (no infinity comes out of text).
bool TryStrToSingle(std::string_view Text, float& Value,
                    const TFormatSettings& Format = UsEnglishFormat);

/// The throwing forms: EConvertError "'<text>' is not a valid floating point value".
///@{
double StrToFloat(std::string_view Text, const TFormatSettings& Format = UsEnglishFormat);
float StrToSingle(std::string_view Text, const TFormatSettings& Format = UsEnglishFormat);
///@}

/// Whole numbers: optional blanks and sign, decimal digits (or "$"/"0x" hexadecimal),
/// optional blanks; must fit 32 bits.
///@{
bool TryStrToInt(std::string_view Text, int& Value);
int StrToInt(std::string_view Text);
///@}

} // namespace kw::platform
