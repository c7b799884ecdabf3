#pragma once
// Texts in the six languages of an install, and what makes the generated names out of the name
// lists: patterns filled in, short forms and initials, internal names.

#include "testdata/sample.h"

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qira::testdata {

inline constexpr int languages = static_cast<int>(language_codes.size());
// A text in every language, in the order of language_codes.
using texts = std::array<std::string, languages>;
using phrase = std::array<const char*, languages>; // eng, spa, swe, fre, dut, ita

std::vector<std::string> split(std::string_view s, char sep);
// The pattern with every occurrence of `field` replaced by `value`.
std::string substitute(std::string_view pattern, std::string_view field, std::string_view value);
// The first `count` characters of the text.
std::string first_chars(std::string_view s, std::size_t count);
// The first `count` letters of the text in upper case, spaces and hyphens left out.
std::string initials(std::string_view s, std::size_t count);
// An internal name: upper-case ASCII letters and digits joined by single underscores.
std::string label_text(std::string_view s);
std::string roman(int n);
texts all_languages(const phrase& p);

// Internal names are unique: a taken one gets the nation's code in front, then a number.
class label_set {
  public:
    std::string take(std::string label, const std::string& code);

  private:
    std::set<std::string> taken_;
};

} // namespace qira::testdata
