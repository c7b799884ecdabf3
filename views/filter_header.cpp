#include "views/filter_header.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

namespace qira {

filter_header::filter_header(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSortIndicatorShown(true);
    setHighlightSections(true);
    connect(this, &QHeaderView::sectionResized, this, &filter_header::place_fields);
    connect(this, &QHeaderView::sectionMoved, this, &filter_header::place_fields);
}

void filter_header::make_fields(int columns) {
    for (QLineEdit* f : fields_)
        delete f;
    fields_.clear();
    for (int c = 0; c < columns; ++c) {
        auto* f = new QLineEdit(host_ ? host_.data() : static_cast<QWidget*>(this));
        //: Placeholder of the field above a column that filters its rows
        f->setPlaceholderText(tr("Filter"));
        const QString name =
            model() ? model()->headerData(c, Qt::Horizontal).toString() : QString();
        f->setAccessibleName(tr("Filter of column %1").arg(name));
        //: %1: the column's name
        f->setToolTip(tr("Rows whose %1 contains this text, or a comparison: =5, "
                         "!=5, >10, <=3, 10..20")
                          .arg(name));
        f->installEventFilter(this);
        connect(f, &QLineEdit::textChanged, this,
                [this, c](const QString& text) { emit filter_changed(c, text); });
        fields_.push_back(f);
    }
    updateGeometries();
}

QLineEdit* filter_header::field(int column) const {
    return column >= 0 && static_cast<std::size_t>(column) < fields_.size()
               ? fields_[static_cast<std::size_t>(column)]
               : nullptr;
}

QSize filter_header::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    if (!fields_.empty())
        size.setHeight(size.height() + fields_.front()->sizeHint().height() + 2);
    return size;
}

void filter_header::updateGeometries() {
    if (!fields_.empty())
        setViewportMargins(0, 0, 0, fields_.front()->sizeHint().height() + 2);
    else
        setViewportMargins(0, 0, 0, 0);
    QHeaderView::updateGeometries();
    place_fields();
}

void filter_header::place_fields() {
    if (fields_.empty())
        return;
    const int height = fields_.front()->sizeHint().height();
    const int top = QHeaderView::sizeHint().height();
    for (std::size_t c = 0; c < fields_.size(); ++c) {
        QLineEdit* f = fields_[c];
        const int column = static_cast<int>(c);
        if (isSectionHidden(column)) {
            f->hide();
            continue;
        }
        // Within the header's own area (a column scrolled partly out of view shows its part).
        QRect r =
            QRect(sectionViewportPosition(column) + 1, top + 1, sectionSize(column) - 2, height)
                .intersected(rect());
        if (r.width() < 8) {
            f->hide();
            continue;
        }
        if (host_)
            r.moveTopLeft(mapTo(host_, r.topLeft()));
        f->setGeometry(r);
        f->show();
        f->raise();
    }
}

// Tab and Shift+Tab in a filter field go to the next or previous control of the window's focus
// chain; without this the grid around the header would take them to move between its cells.
bool filter_header::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            auto* from = static_cast<QWidget*>(watched);
            const bool forward =
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            QWidget* next = from;
            do
                next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
            while (next != from && !(next->isVisible() && next->isEnabled() &&
                                     (next->focusPolicy() & Qt::TabFocus)));
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QHeaderView::eventFilter(watched, event);
}

} // namespace qira

namespace qira {

void filter_header::mouseReleaseEvent(QMouseEvent* event) {
    const int column = logicalIndexAt(event->position().toPoint());
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    QHeaderView::mouseReleaseEvent(event);
    if (shift && column >= 0)
        emit name_sort_clicked(column);
}

} // namespace qira
