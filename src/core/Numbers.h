#pragma once

#include <string>

// The longest prefix of `text` that reads as a decimal number (sign, digits,
// fraction, exponent), as a float; 0 when there is none. Junk after it is
// ignored; hex, "inf" and "nan" are not numbers here.
float leadingNumber(const std::string& text);
// How many characters of `text` that number takes; 0 when it is not a number.
size_t numberPrefixLength(const std::string& text);
