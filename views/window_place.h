#pragma once
// Where a second window of the editor opens: inside the screen's available area (the desktop
// without its task bars), beside the main window where there is room, else over it; and a place
// the user left it in, kept between runs as text.

#include <QRect>
#include <QString>

#include <optional>

namespace qira {

// The place for a window of `size` (its frame), next to the main window's frame `main` within
// `available`: to its right where the whole width fits, else to its left, else over the main
// window; always wholly inside `available` (shrunk to it when larger).
QRect place_beside(const QRect& main, const QSize& size, const QRect& available);

// A remembered place moved and shrunk to lie inside `available`; nothing when less than a
// corner of it (100 by 50 pixels) was on that area, as after a screen was taken away.
std::optional<QRect> fit_remembered(const QRect& remembered, const QRect& available);

// A place as text ("x,y,width,height") and back; nothing for text that is not four whole numbers
// with a positive width and height.
QString place_text(const QRect& place);
std::optional<QRect> place_from_text(const QString& text);

} // namespace qira
