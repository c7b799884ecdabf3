#pragma once
// Values that the window's event handlers read from widgets. A value the user can make wrong (a
// typed text that is no number, an entry that is not there) comes back as a refusal: the handler
// returns it, and the window's default error handler shows its message in a box.

#include "fileio/result.h"

#include <QString>

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

} // namespace qira
