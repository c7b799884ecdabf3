// The block edits of the grid of every table: copy, paste, fill and adjust.

#include "views/tables_window.h"

#include "fileio/utf8.h"
#include "views/page_values.h"
#include "views/shown_text.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <set>

namespace qira {

namespace {

// The visible columns of the grid in the order the header shows them.
std::vector<int> visible_columns(const QTableView* grid, int count) {
    std::vector<std::pair<int, int>> by_place;
    for (int c = 0; c < count; ++c)
        if (!grid->isColumnHidden(c))
            by_place.emplace_back(grid->horizontalHeader()->visualIndex(c), c);
    std::sort(by_place.begin(), by_place.end());
    std::vector<int> out;
    for (const auto& [place, c] : by_place)
        out.push_back(c);
    return out;
}

} // namespace

std::optional<QString> ask_fill_dialog(QWidget* parent) {
    bool ok = false;
    const QString value = QInputDialog::getText(
        parent, QCoreApplication::translate("qira::tables_window", "Fill"),
        QCoreApplication::translate("qira::tables_window", "Value for the selected cells:"),
        QLineEdit::Normal, QString(), &ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<tables_window::adjustment> ask_adjust_dialog(QWidget* parent, const QString& column) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("adjust_dialog"));
    //: %1: the column
    dialog.setWindowTitle(
        QCoreApplication::translate("qira::tables_window", "Adjust %1").arg(column));
    auto* how = new QComboBox(&dialog);
    //: How to adjust the values: add the amount to each, or multiply each by it
    how->addItems({QCoreApplication::translate("qira::tables_window", "Add"),
                   QCoreApplication::translate("qira::tables_window", "Multiply by")});
    how->setAccessibleName(QCoreApplication::translate("qira::tables_window", "Adjust by"));
    auto* amount = new QDoubleSpinBox(&dialog);
    amount->setRange(-4294967295.0, 4294967295.0);
    amount->setDecimals(2);
    amount->setAccessibleName(QCoreApplication::translate("qira::tables_window", "Amount"));
    auto* form = new QFormLayout;
    auto* how_label =
        new QLabel(QCoreApplication::translate("qira::tables_window", "&Adjust"), &dialog);
    how_label->setBuddy(how);
    auto* amount_label =
        new QLabel(QCoreApplication::translate("qira::tables_window", "A&mount"), &dialog);
    amount_label->setBuddy(amount);
    form->addRow(how_label, how);
    form->addRow(amount_label, amount);
    auto* note = new QLabel(QCoreApplication::translate("qira::tables_window",
                                                        "Every row the filters show; each value "
                                                        "held within its field's range."),
                            &dialog);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return tables_window::adjustment{
        how->currentIndex() == 0 ? adjust_kind::add : adjust_kind::multiply, amount->value()};
}

grid_block tables_window::shown_block() const {
    grid_block b{model->table(), {}, visible_columns(grid, model->columnCount())};
    b.rows.reserve(static_cast<std::size_t>(filter->rowCount()));
    for (int r = 0; r < filter->rowCount(); ++r)
        b.rows.push_back(filter->mapToSource(filter->index(r, 0)).row());
    return b;
}

namespace {

// The selected cells, or the current cell where nothing is selected.
QModelIndexList selection_or_current(const QTableView* grid) {
    QModelIndexList indexes = grid->selectionModel()->selectedIndexes();
    if (indexes.isEmpty() && grid->currentIndex().isValid())
        indexes.push_back(grid->currentIndex());
    return indexes;
}

} // namespace

grid_block tables_window::selected_block(bool* whole) const {
    std::map<int, int> rows; // view row -> table row
    std::set<int> columns;
    std::set<std::pair<int, int>> cells;
    for (const QModelIndex& i : selection_or_current(grid)) {
        rows.emplace(i.row(), filter->mapToSource(i).row());
        columns.insert(i.column());
        cells.emplace(i.row(), i.column());
    }
    grid_block b{model->table(), {}, {}};
    for (const auto& [view_row, row] : rows)
        b.rows.push_back(row);
    for (int c : visible_columns(grid, model->columnCount()))
        if (columns.count(c))
            b.columns.push_back(c);
    if (whole)
        *whole = cells.size() == rows.size() * columns.size();
    return b;
}

std::vector<std::pair<int, int>> tables_window::selected_cells() const {
    std::vector<std::pair<int, int>> out;
    for (const QModelIndex& i : selection_or_current(grid))
        out.emplace_back(filter->mapToSource(i).row(), i.column());
    return out;
}

void tables_window::show_refusal(const QString& what, const block_outcome& out) {
    show_status(QStringLiteral("%1: %2").arg(what, shown_text(out)));
    if (out.problems.empty() || !show_problems_)
        return;
    QStringList listed;
    for (const result& p : out.problems) {
        const QString field =
            p.where.field ? QString::fromStdString(printable(*p.where.field)) : QString();
        //: %1: the row's number; %2: the column; %3: the problem
        listed << tr("row %1, column %2: %3")
                      .arg(p.where.row ? QString::number(*p.where.row) : QStringLiteral("?"), field,
                           shown_text(p));
    }
    show_problems_(what, listed);
}

void tables_window::copy_cells() {
    bool whole = true;
    const grid_block b = selected_block(&whole);
    if (b.rows.empty() || b.columns.empty())
        return;
    if (!whole) {
        // Text for a spreadsheet is one rectangle; the cells between would be copied unasked.
        show_status(tr("Not copied: select one rectangle of cells."));
        return;
    }
    copied_bytes_ = copy_block(doc_.game.db, b);
    copied_text_ = text_of(copied_bytes_);
    QGuiApplication::clipboard()->setText(copied_text_);
    show_status(
        tr("%Ln cells copied.", nullptr, static_cast<int>(b.rows.size() * b.columns.size())));
}

void tables_window::paste_cells() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!copied_text_.isEmpty() && text == copied_text_) {
        paste_text(copied_bytes_);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    paste_text(std::string(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void tables_window::paste_text(const std::string& text) {
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid()) {
        show_status(tr("Not pasted: choose the cell to paste from."));
        return;
    }
    const grid_block b = shown_block();
    const auto column = std::find(b.columns.begin(), b.columns.end(), current.column());
    block_outcome out = paste_block(doc_.game, b, current.row(),
                                    static_cast<int>(column - b.columns.begin()), text);
    if (!out.ok()) {
        show_refusal(tr("Not pasted"), out);
        return;
    }
    const std::size_t cells = out.cells;
    doc_.push_table_edit(std::move(out.made),
                         //: %1: how many cells; %2: the table's number
                         tr("paste %1 cells in table %2").arg(cells).arg(b.table));
    show_status(tr("%Ln cells pasted.", nullptr, static_cast<int>(cells)));
}

void tables_window::fill_cells(const QString& value) {
    const int table = model->table();
    const QByteArray utf8 = value.toUtf8();
    block_outcome out =
        qira::fill_cells(doc_.game, table, selected_cells(),
                         std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (!out.ok()) {
        show_refusal(tr("Not filled"), out);
        return;
    }
    const std::size_t cells = out.cells;
    doc_.push_table_edit(std::move(out.made),
                         //: %1: how many cells; %2: the table's number
                         tr("fill %1 cells of table %2").arg(cells).arg(table));
    //: %1: the value typed
    show_status(tr("%Ln cells filled with %1.", nullptr, static_cast<int>(cells)).arg(value));
}

void tables_window::adjust_current_column(adjust_kind how, double amount) {
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid()) {
        show_status(tr("Not adjusted: choose a cell of the column to adjust."));
        return;
    }
    const grid_block b = shown_block();
    block_outcome out = adjust_column(doc_.game, b.table, b.rows, current.column(), how, amount);
    if (!out.ok()) {
        show_refusal(tr("Not adjusted"), out);
        return;
    }
    const std::size_t cells = out.cells, clamped = out.clamped;
    const QString name =
        model->headerData(current.column(), Qt::Horizontal, Qt::DisplayRole).toString();
    doc_.push_table_edit(std::move(out.made),
                         //: %1: the column; %2: how many rows
                         tr("adjust %1 of %2 rows").arg(name, QString::number(cells)));
    const QLocale user_locale;
    show_status(
        clamped == 0
            //: %1: the column; %n: how many rows
            ? tr("%1 adjusted in %Ln rows.", nullptr, static_cast<int>(cells)).arg(name)
            //: %1: the column; %2: how many rows; %3: how many values were held within the range
            : tr("%1 adjusted in %2 rows; %3 held at the end of the field's range.")
                  .arg(name, user_locale.toString(static_cast<qulonglong>(cells)),
                       user_locale.toString(static_cast<qulonglong>(clamped))));
}

} // namespace qira
