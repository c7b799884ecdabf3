#include "views/tables_window.h"

#include "editing/csv_import.h"
#include "editing/table_edits.h"
#include "views/command_action.h"
#include "views/file_dialogs.h"
#include "views/handler_values.h"
#include "views/message_sink.h"
#include "views/page_values.h"
#include "views/page_widgets.h"
#include "views/reference_picker.h"
#include "views/shown_text.h"
#include "views/undo_buttons.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QUndoStack>
#include <QVBoxLayout>

#include <filesystem>
#include <set>

namespace qira {

namespace {

QPushButton* make_button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// The table list's line of table `t`: its number, its name and how many rows it has.
QString table_item_text(int t, const database& db) {
    const int rows = static_cast<int>(db.rows(t).size());
    //: %1: the table's number; %2: its name; %n: how many rows it has
    return QCoreApplication::translate("qira::tables_window", "%1  %2  (%Ln rows)", nullptr, rows)
        .arg(QString::number(t), text_of(db.tables[static_cast<std::size_t>(t)].name));
}

} // namespace

tables_window::tables_window(game_document& doc, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setObjectName(QStringLiteral("TablesWindow"));
    //: %1: the program's name
    setWindowTitle(tr("All tables - %1").arg(QLatin1String(app_title)));
    resize(1000, 620);
    make_lists_and_grid();
    make_buttons();
    lay_out();
    add_commands();
    follow_the_undo_stack();
    follow_filters_and_model();
    choose_file_ = file_dialogs(this, tr("Export CSV"), tr("Import CSV"),
                                tr("CSV files (*.csv);;All files (*)"));
    show_problems_ = [this](const QString& title, const QStringList& problems) {
        QMessageBox box(QMessageBox::Warning, tr("Import CSV"), title, QMessageBox::Ok, this);
        box.setDetailedText(problems.join(QLatin1Char('\n')));
        box.setInformativeText(problems.mid(0, 5).join(QLatin1Char('\n')));
        box.exec();
    };
    ask_fill_value = [this] { return ask_fill_dialog(this); };
    ask_adjustment = [this](const QString& column) { return ask_adjust_dialog(this, column); };
    refresh();
}

void tables_window::make_lists_and_grid() {
    table_list = new QListWidget(this);
    table_list->setObjectName(QStringLiteral("table_list"));
    table_list->setAccessibleName(tr("Tables"));
    table_list->setMinimumWidth(200);

    column_names = new QLineEdit(this);
    column_names->setObjectName(QStringLiteral("column_names"));
    column_names->setPlaceholderText(tr("Columns named..."));
    column_names->setAccessibleName(tr("Show only the columns whose name contains"));
    all_filter = new QLineEdit(this);
    all_filter->setObjectName(QStringLiteral("all_filter"));
    all_filter->setPlaceholderText(tr("Filter all columns (Ctrl+F)"));
    all_filter->setAccessibleName(tr("Filter over all columns"));
    row_count = new status_line("row_count", tr("Rows shown"), this);

    model = new table_model(doc_, this);
    filter = new table_filter(*model, this);
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setAccessibleName(tr("Rows of the table"));
    header = new filter_header(grid);
    header->set_field_host(this);
    grid->setHorizontalHeader(header);
    grid->setModel(filter);
    grid->setSortingEnabled(true);
    grid->sortByColumn(-1, Qt::AscendingOrder);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    // A reference cell is edited by picking the row it names (or typing its number).
    references = new reference_delegate(*model, grid);
    grid->setItemDelegate(references);
    // The sort commands, on the grid's and the header's menus.
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    header->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    // Copy and paste of cells while the grid has the focus, before the grid's own keys (a cell
    // being typed into has its own editor and keeps the keys for its text).
    grid->installEventFilter(this);
}

void tables_window::make_buttons() {
    insert_button = make_button(tr("Insert copy"), "insert_button", this);
    insert_button->setToolTip(tr("Insert a copy of each selected row after it"));
    //: Button: deletes the selected rows
    delete_button = make_button(tr("Delete"), "delete_button", this);
    delete_button->setToolTip(tr("Delete the selected rows"));
    export_button = make_button(tr("Export CSV..."), "export_button", this);
    import_button = make_button(tr("Import CSV..."), "import_button", this);
    import_button->setToolTip(tr("Replace the rows of this table by a CSV file's"));
    fill_button = make_button(tr("Fill..."), "fill_button", this);
    fill_button->setToolTip(tr("Set the selected cells to one value"));
    adjust_button = make_button(tr("Adjust..."), "adjust_button", this);
    adjust_button->setToolTip(
        tr("Add to or multiply the current column's values in every row the filters show"));
    undo_button = make_button(tr("Undo"), "tables_undo", this);
    redo_button = make_button(tr("Redo"), "tables_redo", this);
    status = new status_line("status", tr("Tables status"), this);
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void tables_window::lay_out() {
    auto* filters = new QHBoxLayout;
    filters->addWidget(column_names, 1);
    filters->addWidget(all_filter, 2);
    filters->addWidget(row_count);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {insert_button, delete_button, fill_button, adjust_button, export_button, import_button})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(undo_button);
    buttons->addWidget(redo_button);
    auto* right = new QWidget(this);
    auto* right_column = new QVBoxLayout(right);
    right_column->setContentsMargins(0, 0, 0, 0);
    right_column->addLayout(filters);
    right_column->addWidget(grid, 1);
    right_column->addLayout(buttons);
    auto* split = new QSplitter(this);
    split->addWidget(table_list);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(split, 1);
    page->addWidget(status);
    tab_chain({table_list, column_names, all_filter, grid, insert_button, delete_button,
               fill_button, adjust_button, export_button, import_button, undo_button, redo_button});
}

QAction* tables_window::add_command(const char* name, QPushButton* button,
                                    const QList<QKeySequence>& keys, std::function<void()> run) {
    QAction* action = make_command(this, name, button ? button->text() : QString(), keys);
    addAction(action);
    connect(action, &QAction::triggered, this,
            [this, run = std::move(run)] { doc_.run_guarded(run); });
    if (button != nullptr)
        trigger_from(button, action);
    return action;
}

void tables_window::add_commands() {
    QUndoStack* stack = doc_.undo_stack();
    add_command("find_action", nullptr, {QKeySequence::Find}, [this] {
        all_filter->setFocus(Qt::ShortcutFocusReason);
        all_filter->selectAll();
    });
    undo_action_ = add_command("undo_action", undo_button, {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                               [stack] { stack->undo(); });
    redo_action_ = add_command(
        "redo_action", redo_button,
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        [stack] { stack->redo(); });
    add_command("insert_action", insert_button, {}, [this] { insert_copies(); });
    add_command("delete_action", delete_button, {}, [this] { delete_selected(); });
    // The Delete key deletes rows only while the grid has the focus; elsewhere it edits text.
    add_command("delete_key_action", nullptr, {QKeySequence(Qt::Key_Delete)}, [this] {
        if (grid->hasFocus())
            delete_selected();
    });
    add_command("fill_action", fill_button, {}, [this] {
        if (const auto value = ask_fill_value())
            fill_cells(*value);
    });
    add_command("adjust_action", adjust_button, {}, [this] {
        const QModelIndex current = grid->currentIndex();
        if (!current.isValid()) {
            show_status(tr("Not adjusted: choose a cell of the column to adjust."));
            return;
        }
        const QString name =
            model->headerData(current.column(), Qt::Horizontal, Qt::DisplayRole).toString();
        if (const auto a = ask_adjustment(name))
            adjust_current_column(a->how, a->amount);
    });
    for (const bool by_name : {false, true}) {
        QAction* sort =
            add_command(by_name ? "sort_name_action" : "sort_number_action", nullptr,
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | (by_name ? Qt::Key_N : Qt::Key_S))},
                        [this, by_name] { sort_current_column(by_name); });
        sort->setText(by_name ? tr("Sort by name") : tr("Sort by number"));
        sort->setToolTip(by_name ? tr("Sort the current column by the names of the "
                                      "rows it names (again: the other way)")
                                 : tr("Sort the current column by its values "
                                      "(again: the other way)"));
        grid->addAction(sort);
        header->addAction(sort);
    }
    add_command("export_action", export_button, {}, [this] { export_clicked(); });
    add_command("import_action", import_button, {}, [this] { import_clicked(); });
}

void tables_window::follow_the_undo_stack() {
    follow_undo_stack(doc_.undo_stack(), {undo_button, undo_action_, {}},
                      {redo_button, redo_action_, {}});
}

void tables_window::follow_filters_and_model() {
    connect(table_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            show_table(table_list->item(row)->data(Qt::UserRole).toInt());
    });
    connect(all_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter->set_all_filter(text);
        update_count();
    });
    connect(column_names, &QLineEdit::textChanged, this, &tables_window::filter_columns);
    connect(header, &filter_header::filter_changed, this, [this](int column, const QString& text) {
        filter->set_column_filter(column, text);
        update_count();
    });
    // The filter fields move with the columns when the grid scrolls sideways.
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, header,
            &filter_header::place_fields);
    connect(model, &table_model::refused, this, &tables_window::show_status);
    connect(references, &reference_delegate::refused, this, &tables_window::show_status);
    // A click on a column's name sorts by its values; with Shift, a reference by its names.
    connect(header, &filter_header::name_sort_clicked, this,
            [this](int column) { filter->sort_by_name(column, header->sortIndicatorOrder()); });
    connect(filter, &table_filter::view_about_to_reset, this, &tables_window::remember_view);
    connect(filter, &table_filter::view_reset_done, this, &tables_window::restore_view);
    connect(filter, &QAbstractItemModel::rowsInserted, this, &tables_window::update_count);
    connect(filter, &QAbstractItemModel::rowsRemoved, this, &tables_window::update_count);
    connect(filter, &QAbstractItemModel::modelReset, this, &tables_window::update_count);
    connect(&doc_, &game_document::changed, this, &tables_window::table_rows_changed);
}

void tables_window::refresh() {
    const int shown = model->table();
    {
        const QSignalBlocker quiet(table_list);
        table_list->clear();
        const database& db = doc_.game.db;
        for (int t = 0; t < db.table_count(); ++t) {
            auto* item = new QListWidgetItem(table_item_text(t, db), table_list);
            item->setData(Qt::UserRole, t);
        }
    }
    show_table(doc_.game.db.has_table(shown) ? shown : (doc_.game.db.table_count() > 0 ? 0 : -1));
}

void tables_window::show_table(int table) {
    filter->clear_filters();
    model->show_table(table);
    header->make_fields(model->columnCount());
    // Tab reaches the filter fields after the filter of all columns, column by column.
    QWidget* previous = all_filter;
    for (int c = 0; c < header->field_count(); ++c) {
        setTabOrder(previous, header->field(c));
        previous = header->field(c);
    }
    setTabOrder(previous, grid);
    {
        const QSignalBlocker quiet(table_list);
        table_list->setCurrentRow(table);
    }
    const QSignalBlocker quiet_names(column_names);
    const QSignalBlocker quiet_all(all_filter);
    column_names->clear();
    all_filter->clear();
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    filter->sort(-1);
    // Room for the names a reference column shows beside its numbers.
    for (int c = 0; c < model->columnCount(); ++c)
        grid->setColumnWidth(c, header->defaultSectionSize() * (model->reference(c) ? 2 : 1));
    filter_columns(QString());
    update_count();
    status->clear();
}

void tables_window::sort_current_column(bool by_name) {
    const QModelIndex current = grid->currentIndex();
    const int column = current.isValid() ? current.column() : header->sortIndicatorSection();
    if (column < 0) {
        show_status(tr("Not sorted: choose a cell of the column to sort by."));
        return;
    }
    const bool names = by_name && model->reference(column) != nullptr;
    // The same sort again sorts the other way.
    const bool again = column == filter->sortColumn() && names == filter->sorted_by_name();
    const Qt::SortOrder order = again && filter->sortOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    {
        const QSignalBlocker quiet(header);
        header->setSortIndicator(column, order);
    }
    if (names)
        filter->sort_by_name(column, order);
    else
        filter->sort(column, order);
    const QString name = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    const bool up = order == Qt::AscendingOrder;
    //: %1: the column
    show_status(by_name && !names ? tr("%1 names no rows: sorted by its values.").arg(name)
                : names           ? (up ? tr("Sorted by %1 (names, ascending).")
                                        : tr("Sorted by %1 (names, descending)."))
                              .arg(name)
                        : (up ? tr("Sorted by %1 (values, ascending).")
                              : tr("Sorted by %1 (values, descending)."))
                              .arg(name));
}

void tables_window::filter_columns(const QString& text) {
    const QString wanted = text.trimmed();
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString name = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        grid->setColumnHidden(c, !wanted.isEmpty() && !name.contains(wanted, Qt::CaseInsensitive));
    }
    header->place_fields();
}

void tables_window::remember_view() {
    kept_view& k = kept_;
    k.rows = model->rowCount();
    const QModelIndex current = filter->mapToSource(grid->currentIndex());
    k.current = {current.row(), current.column()};
    k.spans.assign(static_cast<std::size_t>(k.rows), {});
    k.any = false;
    for (const QItemSelectionRange& range : grid->selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r) {
            const int row = filter->mapToSource(filter->index(r, 0)).row();
            if (row >= 0 && row < k.rows) {
                k.spans[static_cast<std::size_t>(row)].emplace_back(range.left(), range.right());
                k.any = true;
            }
        }
    const int columns = model->columnCount();
    k.hidden.assign(static_cast<std::size_t>(columns), 0);
    for (int c = 0; c < columns; ++c)
        k.hidden[static_cast<std::size_t>(c)] = grid->isColumnHidden(c) ? 1 : 0;
    k.sideways = grid->horizontalScrollBar()->value();
}

void tables_window::restore_view() {
    kept_view k = std::move(kept_);
    kept_ = {};
    const int rows = k.rows;
    const auto& spans = k.spans;
    const auto& hidden = k.hidden;
    const int columns = static_cast<int>(hidden.size());
    if (rows != model->rowCount())
        return;
    for (int c = 0; c < columns && c < model->columnCount(); ++c)
        if (grid->isColumnHidden(c) != (hidden[static_cast<std::size_t>(c)] != 0))
            grid->setColumnHidden(c, hidden[static_cast<std::size_t>(c)] != 0);
    if (k.any) {
        // Rows next to each other in the view with the same spans make one range each span.
        QItemSelection again;
        const std::vector<std::pair<int, int>>* open = nullptr;
        int first = 0;
        const auto close = [&](int last) {
            if (open)
                for (const auto& [left, right] : *open)
                    again.append(QItemSelectionRange(filter->index(first, left),
                                                     filter->index(last, right)));
        };
        const int shown = filter->rowCount();
        for (int r = 0; r < shown; ++r) {
            const int row = filter->mapToSource(filter->index(r, 0)).row();
            const auto* mine =
                row >= 0 && row < rows && !spans[static_cast<std::size_t>(row)].empty()
                    ? &spans[static_cast<std::size_t>(row)]
                    : nullptr;
            if (open && mine && *mine == *open)
                continue;
            close(r - 1);
            open = mine;
            first = r;
        }
        close(shown - 1);
        grid->selectionModel()->select(again, QItemSelectionModel::ClearAndSelect);
    }
    if (k.current.first >= 0) {
        const QModelIndex at =
            filter->mapFromSource(model->index(k.current.first, k.current.second));
        if (at.isValid())
            grid->selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
    }
    grid->horizontalScrollBar()->setValue(k.sideways);
    header->place_fields();
}

void tables_window::update_count() {
    row_count->setText(
        //: %1: the rows the filters show; %2: all rows of the table
        tr("%L1 of %L2 rows").arg(filter->rowCount()).arg(model->rowCount()));
}

void tables_window::show_status(const QString& text) {
    status->setText(text);
}

std::vector<int> tables_window::selected_rows() const {
    std::set<int> rows;
    for (const QModelIndex& i : grid->selectionModel()->selectedIndexes())
        rows.insert(filter->mapToSource(i).row());
    if (rows.empty() && grid->currentIndex().isValid())
        rows.insert(filter->mapToSource(grid->currentIndex()).row());
    return {rows.begin(), rows.end()};
}

void tables_window::insert_copies() {
    const int t = model->table();
    const auto rows = selected_rows();
    auto outcome = insert_row_copies(doc_.game, t, rows);
    if (!outcome.ok()) {
        show_status( //: %1: why the rows were not inserted
            tr("Not inserted: %1").arg(shown_text(outcome)));
        return;
    }
    doc_.push_table_edit(std::move(outcome.made),
                         //: %1: how many rows; %2: the table's number
                         tr("insert %1 row copies in table %2").arg(rows.size()).arg(t));
    show_status(tr("%Ln rows inserted.", nullptr, static_cast<int>(rows.size())));
}

void tables_window::delete_selected() {
    const int t = model->table();
    const auto rows = selected_rows();
    auto outcome = delete_rows(doc_.game, t, rows);
    if (!outcome.ok()) {
        show_status( //: %1: why the rows were not deleted
            tr("Not deleted: %1").arg(shown_text(outcome)));
        return;
    }
    doc_.push_table_edit(std::move(outcome.made),
                         //: %1: how many rows; %2: the table's number
                         tr("delete %1 rows of table %2").arg(rows.size()).arg(t));
    show_status(tr("%Ln rows deleted.", nullptr, static_cast<int>(rows.size())));
}

namespace {
result no_table_shown() {
    return refusal(QCoreApplication::translate("qira::tables_window", "no table is shown"));
}
} // namespace

result tables_window::export_csv(const QString& path) {
    const int t = model->table();
    if (t < 0)
        return no_table_shown();
    auto r = export_csv_file(doc_.game, t, to_fs_path(path));
    if (!r) {
        show_status(shown_text(r));
        return r;
    }
    //: %1: the table's number; %2: the file; %3: how many rows
    show_status(tr("Table %1 exported to %2 (%L3 rows).")
                    .arg(t)
                    .arg(QFileInfo(path).fileName())
                    .arg(doc_.game.db.rows(t).size()));
    return result::success();
}

result tables_window::import_csv(const QString& path, QStringList* problems) {
    const int t = model->table();
    if (t < 0)
        return no_table_shown();
    csv_import imported = import_csv_file(doc_.game, t, to_fs_path(path));
    if (!imported.imported()) {
        const QString summary = shown_text(imported.summary_words());
        QStringList listed;
        for (const result& p : imported.problems)
            listed << shown_text(p);
        show_status(summary);
        if (problems)
            *problems = listed.isEmpty() ? QStringList{summary} : listed;
        else if (!listed.isEmpty())
            show_problems_(summary, listed);
        return result::failure(result::code::refused, {}, imported.summary_words());
    }
    doc_.push_table_edit(
        std::move(imported.made),
        //: %1: the CSV file; %2: the table's number
        tr("import %1 into table %2").arg(QFileInfo(path).fileName(), QString::number(t)));
    QString done = shown_text(imported.summary_words());
    if (!imported.warning.empty())
        //: %1: what the import did; %2: what the user should know about it
        done = tr("%1 Warning: %2").arg(done, shown_text(imported.warning));
    show_status(done);
    return result::success();
}

void tables_window::remember_folder(const QString& path) {
    folder_ = QFileInfo(path).absolutePath();
    if (store_folder_)
        store_folder_(folder_);
}

void tables_window::export_clicked() {
    const int t = model->table();
    if (t < 0)
        return;
    const QString path = choose_file_(true, csv_folder(), QStringLiteral("table%1.csv").arg(t));
    if (path.isEmpty())
        return;
    remember_folder(path);
    // The status line says how it went.
    static_cast<void>(export_csv(path));
}

void tables_window::import_clicked() {
    const int t = model->table();
    if (t < 0)
        return;
    const QString path = choose_file_(false, csv_folder(), QStringLiteral("table%1.csv").arg(t));
    if (path.isEmpty())
        return;
    remember_folder(path);
    // The status line (and a box with the problems) says how it went.
    static_cast<void>(import_csv(path));
}

void tables_window::table_rows_changed(const document_change& d) {
    // The row counts of the tables a step gave rows to or took rows from.
    if (d.made.empty())
        return;
    const change& c = d.made;
    const database& db = doc_.game.db;
    for (int row = 0; row < table_list->count(); ++row) {
        const int t = table_list->item(row)->data(Qt::UserRole).toInt();
        if (c.moves_rows(t) && db.has_table(t))
            table_list->item(row)->setText(table_item_text(t, db));
    }
    update_count();
}

bool tables_window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            doc_.run_guarded([this] { copy_cells(); });
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            doc_.run_guarded([this] { paste_cells(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void tables_window::hideEvent(QHideEvent* event) {
    if (place_store)
        place_store(frameGeometry());
    QWidget::hideEvent(event);
}

} // namespace qira
