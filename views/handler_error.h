#pragma once
// Errors raised inside the window's event handlers. The window's default error handler shows
// their text in a box, and the program goes on.

#include <QString>

#include <stdexcept>

class QListWidget;

namespace qira {

// An error raised by an event handler; its text is what the default error handler shows.
class handler_error : public std::runtime_error {
  public:
    explicit handler_error(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The text as a decimal integer, or handler_error "'<text>' is not a valid integer value".
int to_int(const QString& text);

// Entry `index` of the list, or handler_error "List index out of bounds (<index>)".
QString list_entry(const QListWidget& list, int index);

} // namespace qira
