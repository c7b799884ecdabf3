#pragma once
// The window's banner and logo pictures, drawn by the program itself at the screen's pixel
// ratio, so they stay sharp on a HiDPI screen.

#include <QPixmap>

namespace qira {

// The top bar's word mark: a ball and the program's name.
QPixmap banner_left(qreal pixel_ratio);
// The top bar's right end: a strip of pitch.
QPixmap banner_right(qreal pixel_ratio);
// The start screen's large logo: a ball.
QPixmap start_logo(qreal pixel_ratio);
// The start screen's title picture: a pitch seen from above, with the program's name.
QPixmap start_title(qreal pixel_ratio);

} // namespace qira
