#pragma once
// The window of every table: the tables of the open game on the left, the chosen one as a grid on
// the right, with a filter under each column's name, a filter over all columns, a field that shows
// only the columns whose name contains its text, the count of rows shown, sorting by a column
// (the view only), rows copied and deleted, and CSV export and import. Every edit goes onto the
// main window's undo stack.

#include "editing/block_edits.h"
#include "views/file_dialogs.h"
#include "views/filter_header.h"
#include "views/game_document.h"
#include "views/table_model.h"
#include "views/widgets.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include <functional>
#include <optional>

namespace qira {

class tables_window : public QWidget {
    Q_OBJECT

  public:
    explicit tables_window(game_document& doc, QWidget* parent = nullptr);

    QListWidget* table_list;
    QLineEdit* all_filter;
    QLineEdit* column_names;
    status_line* row_count;
    QTableView* grid;
    filter_header* header;
    QPushButton* insert_button;
    QPushButton* delete_button;
    QPushButton* export_button;
    QPushButton* import_button;
    QPushButton* fill_button;   // "Fill...": one value into the selected cells
    QPushButton* adjust_button; // "Adjust...": add to or multiply the current column
    QPushButton* undo_button;
    QPushButton* redo_button;
    status_line* status;

    table_model* model;
    table_filter* filter;
    class reference_delegate* references; // the editor of reference cells

    // The list of tables and the grid, from the open game.
    void refresh();
    void show_table(int table);
    // The rows selected in the grid, as rows of the table.
    std::vector<int> selected_rows() const;
    void insert_copies();
    void delete_selected();
    // Writes the shown table to a CSV file; the refusal (also said on the status line) on failure.
    result export_csv(const QString& path);
    // Replaces the shown table's rows by a CSV file's, as one undo step; refused, with the
    // summary, when it was not imported (the status line says it, `problems` lists each problem,
    // else a box does).
    result import_csv(const QString& path, QStringList* problems = nullptr);

    // Block edits of the grid, each one undo step: the selected cells copied as tab-separated
    // text (Ctrl+C); such text pasted from the current cell on, in the order the grid shows
    // (Ctrl+V); a value filled into the selected cells; the current column adjusted for every
    // row the filters show.
    void copy_cells();
    void paste_cells();
    void paste_text(const std::string& text);
    void fill_cells(const QString& value);
    void adjust_current_column(adjust_kind how, double amount);
    // Sorts the current column by its values or, for a reference, by the names of the rows it
    // names; the same sort again sorts the other way.
    void sort_current_column(bool by_name);

    // What Fill and Adjust ask (dialogs; tests answer them). Nothing: cancelled.
    struct adjustment {
        adjust_kind how = adjust_kind::add;
        double amount = 0;
    };
    std::function<std::optional<QString>()> ask_fill_value;
    std::function<std::optional<adjustment>(const QString& column)> ask_adjustment;

    // Keeps the window's place (its frame) when it is hidden or closed.
    std::function<void(const QRect& frame)> place_store;

    // Where the file dialogs ask; tests answer them. Empty: cancelled.
    void set_file_chooser(file_chooser chooser) { choose_file_ = std::move(chooser); }
    // Shows the problems of a refused import (tests record them).
    using problem_list = std::function<void(const QString& title, const QStringList& problems)>;
    void set_problem_list(problem_list show) { show_problems_ = std::move(show); }

    // Where the folder of the last CSV file is kept between runs (the window's own settings);
    // without one it is kept while the window lives.
    void set_folder_store(std::function<QString()> load,
                          std::function<void(const QString&)> store) {
        load_folder_ = std::move(load);
        store_folder_ = std::move(store);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void make_lists_and_grid();
    void make_buttons();
    void lay_out();
    // A command of the window: an action with its keys (in the whole window), run guarded; the
    // button, when there is one, triggers it and follows its enabled state.
    QAction* add_command(const char* name, QPushButton* button, const QList<QKeySequence>& keys,
                         std::function<void()> run);
    void add_commands();
    void follow_the_undo_stack();
    void follow_filters_and_model();

    QString csv_folder() const { return load_folder_ ? load_folder_() : folder_; }
    void remember_folder(const QString& path);
    void show_status(const QString& text);
    void update_count();
    // Around a change of the filters or of the sorting (which resets the grid's model): what the
    // user had in the grid is kept by the table's rows and columns and given back: the current
    // cell, the selected cells of the rows still shown, the hidden columns and the place
    // scrolled to sideways.
    void remember_view();
    void restore_view();
    struct kept_view {
        int rows = 0;
        std::pair<int, int> current{-1, -1};
        // The selected column spans of each row of the table.
        std::vector<std::vector<std::pair<int, int>>> spans;
        bool any = false;
        std::vector<char> hidden;
        int sideways = 0;
    };
    kept_view kept_;
    void filter_columns(const QString& text);
    void table_rows_changed(const document_change& d);
    void export_clicked();
    // The rows the grid shows (as rows of the table) and its visible columns, in view order.
    grid_block shown_block() const;
    // The selected cells' rows and columns, in view order (the current cell without a
    // selection); `whole` tells whether the selection is that whole rectangle.
    grid_block selected_block(bool* whole = nullptr) const;
    // The selected cells (table row, column) and nothing between them.
    std::vector<std::pair<int, int>> selected_cells() const;
    // A refused block edit: the reason on the status line, the first problems listed.
    void show_refusal(const QString& what, const block_outcome& out);
    void import_clicked();

    game_document& doc_;
    QAction* undo_action_ = nullptr;
    QAction* redo_action_ = nullptr;
    file_chooser choose_file_;
    problem_list show_problems_;
    // What the last copy put on the clipboard, as text and as the stored bytes it came from: a
    // paste of that same text writes the bytes, so that texts which are not UTF-8 survive a copy
    // and paste inside the editor.
    QString copied_text_;
    std::string copied_bytes_;
    std::function<QString()> load_folder_;
    std::function<void(const QString&)> store_folder_;
    QString folder_;
};

// The dialogs of Fill and Adjust.
std::optional<QString> ask_fill_dialog(QWidget* parent);
std::optional<tables_window::adjustment> ask_adjust_dialog(QWidget* parent, const QString& column);

} // namespace qira
