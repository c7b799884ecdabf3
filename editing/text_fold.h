#pragma once
// Folding texts for "find in tree": two texts that a reader would call the same name fold to the
// same bytes, so a search is a plain substring test on folded texts.

#include <string>
#include <string_view>

namespace qira {

// Folds UTF-8 text for matching:
// - letters are lowercased and their accents removed: each code point is replaced by its
//   canonical or compatibility decomposition with the combining marks dropped ("Müller" and
//   "Mu\u0308ller" give "muller", "ﬁ" gives "fi", fullwidth "Ａ" gives "a");
// - letters that do not decompose are spelt out: ł ø đ ħ ŧ ı ĸ ŋ ŀ give l o d h t i k n l,
//   ß and ẞ give ss, æ ae, œ oe, þ th, ð d (capitals the same), and a few other barred Latin
//   letters (ƀ ɨ ƶ ǥ ...) give their plain letter;
// - Greek and Cyrillic are lowercased the same way, the final sigma ς becomes σ, and the
//   Cyrillic letters with a diacritic lose it like any other: ё gives е and й gives и (a query
//   "андрей" still finds "Андрей", since both sides are folded);
// - each run of white space (any Unicode white space, the no-break spaces included) becomes
//   one space, and spaces at either end are removed;
// - invisible format characters (soft hyphen, zero-width spaces and joiners, direction marks,
//   the byte order mark) are dropped;
// - bytes that are not well-formed UTF-8 become U+FFFD, one for each maximal invalid
//   subsequence (a truncated sequence, an overlong form, a surrogate, a value past U+10FFFF or
//   a stray byte), which is how the editor shows such a text;
// - a spacing accent (¨ ´ ˘ ...) is kept as it is rather than becoming white space.
// Folding is table-driven over the Latin, Greek, Cyrillic and fullwidth blocks; code points
// outside those pass through unchanged.
std::string fold_text(std::string_view utf8);

} // namespace qira
