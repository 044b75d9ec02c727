#include "core/Numbers.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace {

size_t digitsAt(const std::string& text, size_t at) {
    size_t end = at;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    return end - at;
}

}  // namespace

size_t numberPrefixLength(const std::string& field) {
    size_t end = 0;
    if (end < field.size() && (field[end] == '+' || field[end] == '-')) {
        ++end;
    }
    size_t whole = digitsAt(field, end);
    end += whole;
    size_t fraction = 0;
    if (end < field.size() && field[end] == '.') {
        fraction = digitsAt(field, end + 1);
        if (whole + fraction > 0) {
            end += 1 + fraction;
        }
    }
    if (whole + fraction == 0) {
        return 0;
    }
    if (end < field.size() && (field[end] == 'e' || field[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < field.size() && (field[exponent] == '+' || field[exponent] == '-')) {
            ++exponent;
        }
        size_t digits = digitsAt(field, exponent);
        if (digits > 0) {
            end = exponent + digits;
        }
    }
    return end;
}

float leadingNumber(const std::string& field) {
    size_t end = numberPrefixLength(field);
    if (end == 0) {
        return 0.0f;
    }
    double value = std::strtod(field.substr(0, end).c_str(), nullptr);
    // Past the float range the value is infinite; said outright, since the
    // narrowing itself would be undefined.
    if (std::fabs(value) > FLT_MAX) {
        return static_cast<float>(std::copysign(HUGE_VAL, value));
    }
    return static_cast<float>(value);
}
