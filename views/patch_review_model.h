#pragma once
// The changes of a patch under review as a tree: the tables it changes (and its language
// entries), their rows, and each row's changed fields (a removed or added row: its fields, whole;
// a language entry shows its one change on its own line). A check box on every line ticks what
// is beneath it. Nothing is made ahead: a table's rows and a row's fields are counted when the
// view expands them and their texts made when the view paints them, so a patch of a million
// changes opens at once.

#include "patch/patch_review.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <unordered_set>
#include <vector>

namespace qira {

class patch_review_model final : public QAbstractItemModel {
    Q_OBJECT

  public:
    enum column_index : int {
        change_column,
        expects_column,
        holds_column,
        will_be_column,
        conflict_column
    };
    static constexpr int column_count = 5;

    // The review must outlive the model.
    explicit patch_review_model(patch_review& review, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Shows only the rows that hold `folded` (a text folded with fold_text) in their title or in
    // what a change of theirs shows, and the tables that have any; empty: every row.
    void set_filter(const std::string& folded);
    const std::string& filter() const { return filter_; }
    bool filtered() const { return !filter_.empty(); }
    std::size_t shown_row_count() const;

    // Ticks (`on`) or unticks everything beneath `index` as the list shows it. A table's tick
    // leaves its conflicts as they are; a row's or a change's ticks them too (those that may be).
    void tick(const QModelIndex& index, bool on);
    // A click on the box: ticks what is beneath, or, when that ticks nothing more, unticks it.
    void toggle(const QModelIndex& index);
    // Every change that does not conflict ticked, or none.
    void tick_all(bool on);

    // What a line stands for.
    enum class level { group, row, field };
    struct node {
        level at = level::group;
        std::uint32_t group = 0;
        std::uint32_t row = 0;   // in the review's rows (rows and fields)
        std::uint32_t field = 0; // the change of the row, or the field of a removed or added row
    };
    node node_of(const QModelIndex& index) const;
    // The line of a group, of a row (of the review's rows) or of a change, when it is shown.
    QModelIndex group_index(std::uint32_t group) const;
    QModelIndex row_index(std::uint32_t row) const;
    QModelIndex change_index(std::size_t change) const;

  signals:
    // Ticks changed (a click, a key, Select all): the summary and the buttons follow.
    void ticks_changed();

  private:
    struct group_view {
        std::uint32_t group = 0;
        bool fetched = false;
        bool all = true;                 // every row of the group, in order
        std::vector<std::uint32_t> rows; // else those shown
    };
    std::size_t row_count_of(const group_view& g) const;
    std::uint32_t row_at(const group_view& g, int position) const;
    int position_of_row(std::uint32_t row) const;
    bool has_fields(std::uint32_t row) const;
    int field_count(std::uint32_t row) const;
    const patch_review::shown& shown_change(std::size_t change) const;
    const patch_review::shown& shown_field(std::uint32_t row, std::uint32_t field) const;
    const QString& title_of(std::uint32_t row) const;
    Qt::CheckState check_state(const patch_review::counts& n) const;
    QVariant display(const node& n, int column) const;
    // The conflict a line is about (a change, a removed or added row, an entry), or null.
    const std::string* conflict_of(const node& n) const;
    std::size_t conflicts_of(const node& n) const;
    bool tickable(const node& n) const;
    // Tells the view that these changes' lines, their rows' and their groups' show new ticks.
    void refresh(std::vector<std::size_t> changes);
    void refresh_all();

    patch_review& review_;
    std::string filter_;
    std::vector<group_view> shown_;
    std::vector<int> position_of_group_; // in shown_, or -1
    std::unordered_set<std::uint32_t> fetched_rows_;
    QIcon conflict_icon_;
    // What the view painted last, made again only for another line.
    mutable std::size_t shown_change_id_ = static_cast<std::size_t>(-1);
    mutable patch_review::shown shown_change_;
    mutable std::uint32_t fields_row_ = static_cast<std::uint32_t>(-1);
    mutable std::vector<patch_review::shown> fields_;
    mutable std::uint32_t title_row_ = static_cast<std::uint32_t>(-1);
    mutable QString title_;
};

} // namespace qira
