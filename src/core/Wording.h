#pragma once

#include <cstddef>
#include <string>
#include <vector>

// "A", "A and B", "A, B and C".
std::string listed(const std::vector<std::string>& names);
// The text in lines of at most `width` characters, broken at blanks (a word
// longer than that has a line of its own).
std::vector<std::string> wrapped(const std::string& text, size_t width);
