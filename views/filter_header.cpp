#include "views/filter_header.h"

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
        auto* f = new QLineEdit(this);
        f->setPlaceholderText(QStringLiteral("Filter"));
        const QString name =
            model() ? model()->headerData(c, Qt::Horizontal).toString() : QString();
        f->setAccessibleName(QStringLiteral("Filter of column %1").arg(name));
        f->setToolTip(QStringLiteral("Rows whose %1 contains this text, or a comparison: =5, "
                                     "!=5, >10, <=3, 10..20")
                          .arg(name));
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
        f->setGeometry(sectionViewportPosition(column) + 1, top + 1, sectionSize(column) - 2,
                       height);
        f->show();
    }
}

} // namespace qira
