#include "views/window_place.h"

#include <QStringList>

#include <algorithm>

namespace qira {

namespace {

constexpr int gap = 8;

// `r` moved (and shrunk where larger) to lie inside `area`.
QRect inside(QRect r, const QRect& area) {
    r.setWidth(std::min(r.width(), area.width()));
    r.setHeight(std::min(r.height(), area.height()));
    const int x = std::clamp(r.left(), area.left(), area.left() + area.width() - r.width());
    const int y = std::clamp(r.top(), area.top(), area.top() + area.height() - r.height());
    r.moveTo(x, y);
    return r;
}

} // namespace

QRect place_beside(const QRect& main, const QSize& size, const QRect& available) {
    const QSize fitted(std::min(size.width(), available.width()),
                       std::min(size.height(), available.height()));
    const int right = main.left() + main.width() + gap;
    if (right + fitted.width() <= available.left() + available.width())
        return inside(QRect(QPoint(right, main.top()), fitted), available);
    const int left = main.left() - gap - fitted.width();
    if (left >= available.left())
        return inside(QRect(QPoint(left, main.top()), fitted), available);
    return inside(QRect(main.topLeft() + QPoint(2 * gap, 2 * gap), fitted), available);
}

std::optional<QRect> fit_remembered(const QRect& remembered, const QRect& available) {
    const QRect seen = remembered.intersected(available);
    if (seen.width() < 100 || seen.height() < 50)
        return std::nullopt;
    return inside(remembered, available);
}

QString place_text(const QRect& place) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height());
}

std::optional<QRect> place_from_text(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (v[2] <= 0 || v[3] <= 0 || v[2] > 100000 || v[3] > 100000)
        return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}

} // namespace qira
