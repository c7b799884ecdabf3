#include "artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace qira {

namespace {

const QColor grass(46, 125, 50);
const QColor grass_light(67, 160, 71);
const QColor ink(33, 33, 33);

QPixmap canvas(int width, int height, qreal ratio) {
    QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPolygonF pentagon(QPointF centre, qreal radius, qreal turn) {
    QPolygonF shape;
    for (int i = 0; i < 5; ++i) {
        const qreal angle = turn + i * 2 * M_PI / 5 - M_PI / 2;
        shape << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return shape;
}

// A football: a white disc with a dark centre patch and five patches cut by the rim.
void draw_ball(QPainter& p, QPointF centre, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.fillPath(disc, Qt::white);
    p.setClipPath(disc);
    p.setPen(QPen(ink, radius * 0.06));
    p.setBrush(ink);
    const qreal patch = radius * 0.36;
    const QPolygonF middle = pentagon(centre, patch, 0);
    p.drawPolygon(middle);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = i * 2 * M_PI / 5 - M_PI / 2;
        const QPointF outer =
            centre + QPointF(radius * 1.02 * qCos(angle), radius * 1.02 * qSin(angle));
        p.drawLine(middle[i], middle[i] + (outer - middle[i]) * 0.55);
        p.drawPolygon(pentagon(outer, patch * 0.9, M_PI / 5 + angle + M_PI / 2));
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void draw_name(QPainter& p, const QRectF& area, int point_size, const QColor& colour,
               Qt::Alignment align) {
    QFont font = p.font();
    font.setBold(true);
    font.setPointSize(point_size);
    font.setLetterSpacing(QFont::PercentageSpacing, 105);
    const QString name = QStringLiteral("QIRA DB EDITOR 2004");
    // Whatever the system's fonts, the name fits the picture.
    while (point_size > 6 && QFontMetricsF(font).horizontalAdvance(name) > area.width()) {
        font.setPointSize(--point_size);
    }
    p.setFont(font);
    p.setPen(colour);
    p.drawText(area, align | Qt::TextSingleLine, name);
}

} // namespace

QPixmap banner_left(qreal ratio) {
    QPixmap pixmap = canvas(250, 32, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw_ball(p, {16, 16}, 13);
    draw_name(p, QRectF(36, 0, 214, 32), 11, grass, Qt::AlignLeft | Qt::AlignVCenter);
    return pixmap;
}

QPixmap banner_right(qreal ratio) {
    QPixmap pixmap = canvas(150, 32, ratio);
    QPainter p(&pixmap);
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(i * 25, 0, 25, 32), i % 2 ? grass : grass_light);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(75, 0), QPointF(75, 32));
    p.drawEllipse(QPointF(75, 16), 11, 11);
    return pixmap;
}

QPixmap start_logo(qreal ratio) {
    QPixmap pixmap = canvas(96, 96, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 0, 0, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, 88), 30, 5);
    draw_ball(p, {48, 44}, 40);
    return pixmap;
}

QPixmap start_title(qreal ratio) {
    const int width = 480;
    const int height = 96;
    QPixmap pixmap = canvas(width, height, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath field;
    field.addRoundedRect(QRectF(0, 0, width, height), 8, 8);
    p.setClipPath(field);
    for (int i = 0; i < 12; ++i)
        p.fillRect(QRectF(i * width / 12.0, 0, width / 12.0 + 1, height),
                   i % 2 ? grass : grass_light);
    p.setPen(QPen(QColor(255, 255, 255, 170), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 8, width - 16, height - 16));
    p.drawLine(QPointF(width / 2.0, 8), QPointF(width / 2.0, height - 8));
    p.drawEllipse(QPointF(width / 2.0, height / 2.0), 22, 22);
    p.drawRect(QRectF(8, height / 2.0 - 22, 44, 44));
    p.drawRect(QRectF(width - 52, height / 2.0 - 22, 44, 44));
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(QRectF(0, 0, width, height), shade);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw_name(p, QRectF(0, 2, width, height), 22, QColor(0, 0, 0, 90), Qt::AlignCenter);
    draw_name(p, QRectF(0, 0, width, height), 22, Qt::white, Qt::AlignCenter);
    return pixmap;
}

} // namespace qira
