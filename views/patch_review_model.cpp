#include "views/patch_review_model.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>

#include <algorithm>
#include <set>

namespace qira {

namespace {

// An index's internal id says which line it is: 0 a table, `group << 2 | 1` a row of that
// group, `row << 2 | 2` a field of that row (of the review's rows).
constexpr quintptr row_tag = 1;
constexpr quintptr field_tag = 2;
// Past this many changed ticks the view is told that every line it may show changed.
constexpr std::size_t refresh_each_below = 2000;

QString text_of(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString conflicts_text(std::size_t n) {
    const int count = static_cast<int>(n);
    return count == 1 ? QCoreApplication::translate("qira::patch_review_model", "1 conflict")
                      : QCoreApplication::translate("qira::patch_review_model", "%Ln conflicts",
                                                    nullptr, count);
}

bool whole_row(review_kind kind) {
    return kind != review_kind::field;
}

} // namespace

patch_review_model::patch_review_model(patch_review& review, QObject* parent)
    : QAbstractItemModel(parent), review_(review),
      conflict_icon_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) {
    set_filter({});
}

std::size_t patch_review_model::row_count_of(const group_view& g) const {
    if (!g.all)
        return g.rows.size();
    const patch_review::group& gr = review_.groups()[g.group];
    return gr.end_row - gr.first_row;
}

std::uint32_t patch_review_model::row_at(const group_view& g, int position) const {
    const auto p = static_cast<std::size_t>(position);
    return g.all ? review_.groups()[g.group].first_row + static_cast<std::uint32_t>(p) : g.rows[p];
}

int patch_review_model::position_of_row(std::uint32_t row) const {
    const int at = position_of_group_[review_.rows()[row].group];
    if (at < 0)
        return -1;
    const group_view& g = shown_[static_cast<std::size_t>(at)];
    if (g.all)
        return static_cast<int>(row - review_.groups()[g.group].first_row);
    const auto it = std::lower_bound(g.rows.begin(), g.rows.end(), row);
    return it != g.rows.end() && *it == row ? static_cast<int>(it - g.rows.begin()) : -1;
}

int patch_review_model::field_count(std::uint32_t row) const {
    const patch_review::row& rw = review_.rows()[row];
    switch (rw.kind) {
    case review_kind::field:
        return static_cast<int>(rw.end_change - rw.first_change);
    case review_kind::removed:
    case review_kind::added:
        return static_cast<int>(review_.row_field_count(row));
    default:
        return 0; // a language entry shows its change on its own line
    }
}

bool patch_review_model::has_fields(std::uint32_t row) const {
    return field_count(row) > 0;
}

patch_review_model::node patch_review_model::node_of(const QModelIndex& index) const {
    node n;
    const quintptr id = index.internalId();
    if (id == 0) {
        n.group = shown_[static_cast<std::size_t>(index.row())].group;
        return n;
    }
    if ((id & 3) == row_tag) {
        n.at = level::row;
        n.group = static_cast<std::uint32_t>(id >> 2);
        n.row = row_at(shown_[static_cast<std::size_t>(position_of_group_[n.group])], index.row());
        return n;
    }
    n.at = level::field;
    n.row = static_cast<std::uint32_t>(id >> 2);
    n.group = review_.rows()[n.row].group;
    n.field = static_cast<std::uint32_t>(index.row());
    return n;
}

QModelIndex patch_review_model::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= column_count)
        return {};
    if (!parent.isValid())
        return static_cast<std::size_t>(row) < shown_.size() ? createIndex(row, column, quintptr{0})
                                                             : QModelIndex();
    if (row >= rowCount(parent.siblingAtColumn(0)))
        return {};
    const node p = node_of(parent);
    if (p.at == level::group)
        return createIndex(row, column, quintptr{p.group} << 2 | row_tag);
    if (p.at == level::row)
        return createIndex(row, column, quintptr{p.row} << 2 | field_tag);
    return {};
}

QModelIndex patch_review_model::parent(const QModelIndex& child) const {
    const quintptr id = child.isValid() ? child.internalId() : 0;
    if (id == 0)
        return {};
    if ((id & 3) == row_tag)
        return createIndex(position_of_group_[id >> 2], 0, quintptr{0});
    const auto row = static_cast<std::uint32_t>(id >> 2);
    return createIndex(position_of_row(row), 0, quintptr{review_.rows()[row].group} << 2 | row_tag);
}

int patch_review_model::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(shown_.size());
    if (parent.column() != 0)
        return 0;
    const node p = node_of(parent);
    if (p.at == level::group) {
        const group_view& g = shown_[static_cast<std::size_t>(parent.row())];
        return g.fetched ? static_cast<int>(row_count_of(g)) : 0;
    }
    if (p.at == level::row)
        return fetched_rows_.count(p.row) != 0 ? field_count(p.row) : 0;
    return 0;
}

int patch_review_model::columnCount(const QModelIndex&) const {
    return column_count;
}

bool patch_review_model::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid())
        return !shown_.empty();
    if (parent.column() != 0)
        return false;
    const node p = node_of(parent);
    if (p.at == level::group)
        return row_count_of(shown_[static_cast<std::size_t>(parent.row())]) > 0;
    return p.at == level::row && has_fields(p.row);
}

bool patch_review_model::canFetchMore(const QModelIndex& parent) const {
    if (!parent.isValid() || parent.column() != 0)
        return false;
    const node p = node_of(parent);
    if (p.at == level::group) {
        const group_view& g = shown_[static_cast<std::size_t>(parent.row())];
        return !g.fetched && row_count_of(g) > 0;
    }
    return p.at == level::row && fetched_rows_.count(p.row) == 0 && has_fields(p.row);
}

void patch_review_model::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    const node p = node_of(parent);
    if (p.at == level::group) {
        group_view& g = shown_[static_cast<std::size_t>(parent.row())];
        beginInsertRows(parent, 0, static_cast<int>(row_count_of(g)) - 1);
        g.fetched = true;
        endInsertRows();
        return;
    }
    beginInsertRows(parent, 0, field_count(p.row) - 1);
    fetched_rows_.insert(p.row);
    endInsertRows();
}

const patch_review::shown& patch_review_model::shown_change(std::size_t change) const {
    if (change != shown_change_id_) {
        shown_change_ = review_.show(change);
        shown_change_id_ = change;
    }
    return shown_change_;
}

const patch_review::shown& patch_review_model::shown_field(std::uint32_t row,
                                                           std::uint32_t field) const {
    if (row != fields_row_) {
        fields_ = review_.row_fields(row);
        fields_row_ = row;
    }
    static const patch_review::shown none;
    return field < fields_.size() ? fields_[field] : none;
}

const QString& patch_review_model::title_of(std::uint32_t row) const {
    if (row != title_row_) {
        title_ = text_of(review_.row_title(row));
        title_row_ = row;
    }
    return title_;
}

Qt::CheckState patch_review_model::check_state(const patch_review::counts& n) const {
    if (n.ticked == 0)
        return Qt::Unchecked;
    return n.ticked == n.changes ? Qt::Checked : Qt::PartiallyChecked;
}

const std::string* patch_review_model::conflict_of(const node& n) const {
    const patch_review::row& rw = review_.rows()[n.row];
    if (n.at == level::row && whole_row(rw.kind))
        return review_.conflict(rw.first_change);
    if (n.at == level::field && rw.kind == review_kind::field)
        return review_.conflict(rw.first_change + n.field);
    return nullptr;
}

std::size_t patch_review_model::conflicts_of(const node& n) const {
    if (n.at == level::group)
        return review_.group_counts(n.group).conflicts;
    if (n.at == level::row)
        return review_.row_counts(n.row).conflicts;
    return conflict_of(n) ? 1 : 0;
}

bool patch_review_model::tickable(const node& n) const {
    const patch_review::counts& c =
        n.at == level::group ? review_.group_counts(n.group) : review_.row_counts(n.row);
    if (n.at != level::field || whole_row(review_.rows()[n.row].kind))
        return c.locked < c.changes;
    const std::size_t change = review_.rows()[n.row].first_change + n.field;
    return review_.can_tick(change) || review_.ticked(change);
}

QVariant patch_review_model::display(const node& n, int column) const {
    const patch_review::row& rw = review_.rows()[n.row];
    if (n.at == level::group) {
        if (column == change_column)
            return text_of(review_.group_title(n.group));
        const std::size_t conflicts = conflicts_of(n);
        return column == conflict_column && conflicts > 0 ? conflicts_text(conflicts) : QVariant();
    }
    if (n.at == level::row && column == change_column)
        return title_of(n.row);
    if (column == conflict_column) {
        if (const std::string* why = conflict_of(n))
            return text_of(*why);
        const std::size_t conflicts = conflicts_of(n);
        return n.at == level::row && conflicts > 0 ? conflicts_text(conflicts) : QVariant();
    }
    const patch_review::shown* s = nullptr;
    if (n.at == level::row) {
        if (!whole_row(rw.kind))
            return {};
        s = &shown_change(rw.first_change);
    } else {
        s = rw.kind == review_kind::field ? &shown_change(rw.first_change + n.field)
                                          : &shown_field(n.row, n.field);
    }
    switch (column) {
    case change_column:
        return rw.kind == review_kind::field &&
                       review_.kind_of(rw.first_change + n.field) == review_kind::field
                   ? //: %1: the name of a field of a row the patch changes
                   tr("field %1").arg(text_of(s->field))
                   : text_of(s->field);
    case expects_column:
        return text_of(s->before);
    case holds_column:
        return text_of(s->now);
    default:
        return text_of(s->after);
    }
}

QVariant patch_review_model::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const node n = node_of(index);
    switch (role) {
    case Qt::DisplayRole:
        return display(n, index.column());
    case Qt::CheckStateRole: {
        if (index.column() != change_column)
            return {};
        if (n.at == level::group)
            return check_state(review_.group_counts(n.group));
        const patch_review::row& rw = review_.rows()[n.row];
        if (n.at == level::row || whole_row(rw.kind))
            return check_state(review_.row_counts(n.row));
        return review_.ticked(rw.first_change + n.field) ? Qt::Checked : Qt::Unchecked;
    }
    case Qt::ForegroundRole:
        return conflicts_of(n) > 0 ? QBrush(QColor(0xb0, 0x00, 0x20)) : QVariant();
    case Qt::DecorationRole:
        return index.column() == change_column && conflicts_of(n) > 0 ? conflict_icon_ : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        if (const std::string* why = conflict_of(n))
            return //: %1: why the change conflicts with the game
                tr("Conflict: %1").arg(text_of(*why));
        const std::size_t conflicts = conflicts_of(n);
        if (conflicts > 0)
            return conflicts == 1
                       ? tr("1 conflict beneath")
                       : tr("%Ln conflicts beneath", nullptr, static_cast<int>(conflicts));
        return {};
    }
    default:
        return {};
    }
}

Qt::ItemFlags patch_review_model::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const node n = node_of(index);
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (n.at == level::field)
        f |= Qt::ItemNeverHasChildren;
    if (index.column() == change_column && tickable(n))
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant patch_review_model::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case change_column:
        //: Column header: the table, row or field a patch changes
        return tr("Change");
    case expects_column:
        return tr("Patch expects");
    case holds_column:
        return tr("Game holds");
    case will_be_column:
        return tr("Will be");
    case conflict_column:
        return tr("Conflict");
    default:
        return {};
    }
}

bool patch_review_model::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != change_column ||
        !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    // The box asks for unchecked only when it was checked; else for checked.
    if (value.value<Qt::CheckState>() == Qt::Unchecked)
        tick(index, false);
    else
        toggle(index);
    return true;
}

void patch_review_model::toggle(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const bool was_checked =
        index.siblingAtColumn(change_column).data(Qt::CheckStateRole).value<Qt::CheckState>() ==
        Qt::Checked;
    const std::size_t before = review_.ticked_count();
    if (!was_checked)
        tick(index, true);
    if (was_checked || review_.ticked_count() == before)
        tick(index, false);
}

void patch_review_model::tick(const QModelIndex& index, bool on) {
    if (!index.isValid())
        return;
    const node n = node_of(index);
    std::vector<std::size_t> changed;
    const auto add = [&](std::vector<std::size_t> more) {
        if (changed.empty())
            changed = std::move(more);
        else
            changed.insert(changed.end(), more.begin(), more.end());
    };
    const patch_review::row& rw = review_.rows()[n.row];
    if (n.at == level::group) {
        const group_view& g = shown_[static_cast<std::size_t>(position_of_group_[n.group])];
        if (g.all) {
            const auto [first, end] = review_.group_changes(n.group);
            add(review_.tick_range(first, end, on, false));
        } else {
            for (const std::uint32_t r : g.rows) {
                const patch_review::row& shown = review_.rows()[r];
                add(review_.tick_range(shown.first_change, shown.end_change, on, false));
            }
        }
    } else if (n.at == level::row) {
        add(review_.tick_range(rw.first_change, rw.end_change, on, true));
    } else {
        add(review_.tick(rw.first_change + (whole_row(rw.kind) ? 0 : n.field), on));
    }
    if (changed.empty())
        return;
    refresh(std::move(changed));
    emit ticks_changed();
}

void patch_review_model::tick_all(bool on) {
    review_.tick_all(on);
    refresh_all();
    emit ticks_changed();
}

void patch_review_model::refresh(std::vector<std::size_t> changes) {
    if (changes.size() > refresh_each_below) {
        refresh_all();
        return;
    }
    const QList<int> roles = {Qt::CheckStateRole};
    std::set<std::uint32_t> rows, groups;
    for (const std::size_t c : changes)
        rows.insert(review_.row_of(c));
    for (const std::uint32_t r : rows) {
        groups.insert(review_.rows()[r].group);
        const QModelIndex at = row_index(r);
        if (!at.isValid())
            continue;
        emit dataChanged(at, at, roles);
        if (fetched_rows_.count(r) != 0 && field_count(r) > 0)
            emit dataChanged(index(0, 0, at), index(field_count(r) - 1, 0, at), roles);
    }
    for (const std::uint32_t g : groups)
        if (const QModelIndex at = group_index(g); at.isValid())
            emit dataChanged(at, at, roles);
}

void patch_review_model::refresh_all() {
    if (shown_.empty())
        return;
    const QList<int> roles = {Qt::CheckStateRole};
    emit dataChanged(index(0, 0), index(static_cast<int>(shown_.size()) - 1, 0), roles);
    for (std::size_t p = 0; p < shown_.size(); ++p) {
        const int rows = rowCount(index(static_cast<int>(p), 0));
        if (rows > 0)
            emit dataChanged(index(0, 0, index(static_cast<int>(p), 0)),
                             index(rows - 1, 0, index(static_cast<int>(p), 0)), roles);
    }
    for (const std::uint32_t r : fetched_rows_) {
        const QModelIndex at = row_index(r);
        if (at.isValid() && field_count(r) > 0)
            emit dataChanged(index(0, 0, at), index(field_count(r) - 1, 0, at), roles);
    }
}

QModelIndex patch_review_model::group_index(std::uint32_t group) const {
    const int at = group < position_of_group_.size() ? position_of_group_[group] : -1;
    return at < 0 ? QModelIndex() : createIndex(at, 0, quintptr{0});
}

QModelIndex patch_review_model::row_index(std::uint32_t row) const {
    const std::uint32_t g = review_.rows()[row].group;
    const int at = position_of_group_[g];
    if (at < 0 || !shown_[static_cast<std::size_t>(at)].fetched)
        return {};
    const int position = position_of_row(row);
    return position < 0 ? QModelIndex() : createIndex(position, 0, quintptr{g} << 2 | row_tag);
}

QModelIndex patch_review_model::change_index(std::size_t change) const {
    const std::uint32_t r = review_.row_of(change);
    const QModelIndex at = row_index(r);
    const patch_review::row& rw = review_.rows()[r];
    if (!at.isValid() || whole_row(rw.kind) || fetched_rows_.count(r) == 0)
        return at;
    return index(static_cast<int>(change - rw.first_change), 0, at);
}

void patch_review_model::set_filter(const std::string& folded) {
    beginResetModel();
    filter_ = folded;
    shown_.clear();
    fetched_rows_.clear();
    position_of_group_.assign(review_.groups().size(), -1);
    for (std::uint32_t g = 0; g < review_.groups().size(); ++g) {
        group_view view;
        view.group = g;
        const patch_review::group& gr = review_.groups()[g];
        if (!folded.empty()) {
            view.all = false;
            for (std::uint32_t r = gr.first_row; r < gr.end_row; ++r)
                if (review_.row_matches(r, folded))
                    view.rows.push_back(r);
        }
        if (row_count_of(view) == 0)
            continue;
        position_of_group_[g] = static_cast<int>(shown_.size());
        shown_.push_back(std::move(view));
    }
    endResetModel();
}

std::size_t patch_review_model::shown_row_count() const {
    std::size_t n = 0;
    for (const group_view& g : shown_)
        n += row_count_of(g);
    return n;
}

} // namespace qira
