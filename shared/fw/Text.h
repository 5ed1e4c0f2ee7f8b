// Text functions on byte strings, with the semantics the programs' file formats rely on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Decimal text of a number: no blank, no plus sign, no leading zero.
std::string Str(std::int64_t n);

// The number at the start of a text (optional blanks, sign, digits, fraction, exponent);
// 0 when the text does not start with a number.
double Val(std::string_view text);

// Val converted to a 32-bit integer: the fraction is dropped and values beyond the
// range saturate, so a huge number from a file can never wrap into a valid index.
std::int32_t ValInt32(std::string_view text);

// Number of fields separated by sep; 0 for an empty text.
int CountFields(std::string_view text, std::string_view sep);

// Field n (from 1) of text; empty for n below 1 or beyond the last field.
std::string NthField(std::string_view text, std::string_view sep, int n);

// All fields of a non-empty text at once; an empty text has none.
std::vector<std::string_view> SplitFields(std::string_view text, std::string_view sep);

std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);
// count < 0 means "to the end".
std::string Mid(std::string_view text, int start, int count = -1);
int Len(std::string_view text);

// Code of the first character, 0 for an empty text.
int Asc(std::string_view text);

// One-character text of a code; codes wrap into the byte range.
std::string Chr(int code);

inline constexpr char CR = '\r';

} // namespace fw
