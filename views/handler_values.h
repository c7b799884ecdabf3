#pragma once
// Values that the window's event handlers read from widgets. A value the user can make wrong (a
// typed text that is no number, an entry that is not there) comes back as a refusal: the handler
// returns it, and the window's default error handler shows its message in a box.

#include "fileio/result.h"

#include <QString>

#include <cstddef>
#include <cstdint>

class QListWidget;

namespace qira {

// A refusal worded whole, as the box shows it.
result refusal(const QString& text);
// "'<text>' is not a valid integer value".
result not_an_integer(const QString& text);

// The text as a decimal integer, or not_an_integer.
result_of<int> to_int(const QString& text);

// Entry `index` of the list, or the refusal "List index out of bounds (<index>)".
result_of<QString> list_entry(const QListWidget& list, int index);

// The text as a stored 32-bit number, as the window writes them into its lists and id fields:
// decimal digits only (no sign, space or other character), at most 4294967295; otherwise
// not_an_integer.
result_of<std::uint32_t> to_stored_number(const QString& text);
// Entry `index` of the list as a stored number: list_entry, then to_stored_number.
result_of<std::uint32_t> list_number(const QListWidget& list, int index);
// The row a page's id field shows (its text, a row index), or -1 when it shows none of a
// table's `rows` rows.
int shown_row(const QString& id_text, std::size_t rows);
// The bound for a shown row that may have just been removed (a change names it all the same).
inline constexpr std::size_t any_row = 0x7FFFFFFF;

} // namespace qira
