// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The text form of a point: "(" X "," Y ")", no blanks, each coordinate in the general
/// float format of the platform with "." as decimal separator (USFormatSettings), whatever
/// the process locale. Example: (3, -1.5) is "(3,-1.5)"; the float nearest 0.1 is written
/// "0.100000001490116". StringToKwPoint reads back every text KwPointToString writes, bit
/// for bit (negative zero aside: "-0" is not written).

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/geometry/KwTypes.h"

#include <string>
#include <string_view>

namespace kw {

/// Each coordinate widened exactly to long double and written with at most 15 significant
/// digits: fixed notation from 0.00001 up to 15 integer digits, otherwise scientific
/// ("1E-6", "1.5E20"); zero is "0".
std::string KwPointToString(const TKwPoint& P);

/// Splits the text at the delimiters ",", "(" and ")" into three tokens taken from the
/// front: the first (the text before "(", normally empty) is discarded, the second becomes
/// X and the third Y, each a decimal number with "." (blanks around it allowed, an
/// exponent allowed) rounded to float. Text after the third delimiter is ignored. If
/// either number does not convert (empty, stray characters, a decimal comma, beyond the
/// float range) the result is (0, 0). Never throws.
TKwPoint StringToKwPoint(std::string_view S) noexcept;

} // namespace kw
