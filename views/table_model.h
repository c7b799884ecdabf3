#pragma once
// One table of the open game as a grid: a column per field in file order, a row per row in file
// order. The model reads the rows where they are (no copy); an edit goes through the editing core
// and onto the undo stack, and a value that does not fit is refused with the reason.

#include "editing/references.h"
#include "views/game_document.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <map>
#include <string>
#include <vector>

namespace qira {

class table_model : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit table_model(game_document& doc, QObject* parent = nullptr);

    // The table shown (-1: none).
    void show_table(int table);
    int table() const { return table_; }
    // Tells whoever shows the rows (the filter, the grid) to read them all again: a reset, which
    // also drops the persistent indexes held on the model.
    void reread();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Whether a column holds numbers (keys, extras, packed values) rather than texts.
    bool numeric(int column) const;
    // A cell's content as the grid shows it, in UTF-8 (texts as stored, numbers in decimal).
    std::string text_at(int row, int column) const;
    // A numeric cell's value (keys and extras signed).
    long long number_at(int row, int column) const;

    // References to rows of other tables (the list of references): the column's reference, or
    // null. Such a cell shows the name of the row it names beside the number,
    // "Łukasz Mazur (1234)" (shown_text); edits, copies and CSV keep the number (text_at).
    const reference_field* reference(int column) const;
    std::string shown_text(int row, int column) const;
    // Counts the model's changes (a table shown, rows read again, a step followed), so that
    // what is worked out from its cells knows when it is out of date.
    std::uint64_t generation() const { return generation_; }

    // The name of the row a reference cell names, folded for matching and sorting; empty when it
    // names none or the row has no name.
    const std::string& folded_name_at(int row, int column) const;
    // The rows a reference cell may name, as its picker offers them.
    std::vector<reference_choice> reference_choices_at(int row, int column) const;
    // The check's line for a reference cell that names no row ("stadium 999 does not exist"),
    // or empty: the number names a row, or is 0 where 0 names none.
    std::string missing_text(int row, int column) const;

  signals:
    // An edit was refused; `why` says why ("300 does not fit in 8 bits").
    void refused(const QString& why);

  private:
    // After a step: the cells it changed, or every row when it moved rows of the shown table.
    void edited(const document_change& d);

    // Whether the rows of a table a reference column names changed: the names are built again
    // and the reference columns shown again.
    void follow_named_tables(const change& c);

    game_document& doc_;
    int table_ = -1;
    std::uint64_t generation_ = 0;
    std::vector<const reference_field*> references_; // per column
    // The rows of each table a reference column names, by that table: built when first asked
    // for, again after a step that changes the table.
    mutable std::map<int, named_rows> named_;
    const named_rows& named_table(int table) const;
};

// The grid's filters and sorting, on the view only: the rows keep their order in the file.
// A column's filter is a text its cells must contain (case and accents ignored) or, for numbers,
// a comparison: "=5", "!=5", ">10", ">=10", "<3", "<=3" or a range "10..20". The filter over all
// columns keeps the rows of which any cell contains its text.
// A change of the filters or of the sorting resets the model: the persistent indexes held on the
// grid (an assistive client holds one on each cell it has read) are dropped, not moved one by
// one, so it costs the same however many are held; the window keeps its current cell and
// selection across the reset (view_about_to_reset, view_reset_done).
class table_filter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit table_filter(table_model& model, QObject* parent = nullptr);

    void set_column_filter(int column, const QString& text);
    void set_all_filter(const QString& text);
    void clear_filters();
    QString column_filter(int column) const;
    // The header's sort: by the column's numbers (or texts).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // A reference column by the names of the rows it names (rows without a name after the
    // named ones, by number); any other column as sort() does.
    void sort_by_name(int column, Qt::SortOrder order = Qt::AscendingOrder);
    bool sorted_by_name() const { return by_name_; }

  signals:
    // Before and after a reset for a change of the filters or of the sorting.
    void view_about_to_reset();
    void view_reset_done();

  protected:
    bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    struct condition {
        enum class kind {
            contains,
            equal,
            not_equal,
            less,
            less_equal,
            greater,
            greater_equal,
            range
        };
        kind what = kind::contains;
        std::string folded; // for contains
        long long a = 0, b = 0;
    };
    static condition parse(const QString& text);
    bool accepts(const condition& c, int row, int column) const;
    // The rows filtered again, as a reset.
    void refilter();
    void resort(int column, Qt::SortOrder order, bool by_name);
    // Whether a column's cell contains a folded text: a reference by its number or its name.
    bool contains(int row, int column, const std::string& folded) const;
    // A sort by name compares each row's place in the column's order of names, worked out once
    // per sort: comparing the names themselves costs a lookup of the named row each time.
    bool rank_less(int left, int right, int column) const;
    void rank_by_name(int column) const;
    mutable std::vector<int> name_rank_;
    mutable std::uint64_t rank_generation_ = 0;
    mutable int rank_column_ = -1;

    table_model& model_;
    std::vector<std::pair<int, condition>> columns_;
    std::vector<QString> column_texts_;
    std::string all_; // folded
    bool by_name_ = false;
};

} // namespace qira
