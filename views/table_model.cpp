#include "views/table_model.h"

#include "editing/row_titles.h"
#include "editing/table_edits.h"
#include "editing/text_fold.h"
#include "fileio/utf8.h"
#include "views/page_values.h"
#include "views/shown_text.h"

#include <QColor>

#include <charconv>

namespace qira {

table_model::table_model(game_document& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {
    connect(&doc_, &game_document::changed, this, &table_model::edited);
}

void table_model::show_table(int table) {
    beginResetModel();
    ++generation_;
    table_ = doc_.game.db.has_table(table) ? table : -1;
    named_.clear();
    references_.clear();
    if (table_ >= 0) {
        const int columns = doc_.game.db.tables[static_cast<std::size_t>(table_)].field_count();
        references_.resize(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c)
            references_[static_cast<std::size_t>(c)] = reference_at(doc_.game.db, table_, c);
    }
    endResetModel();
}

const reference_field* table_model::reference(int column) const {
    return column >= 0 && static_cast<std::size_t>(column) < references_.size()
               ? references_[static_cast<std::size_t>(column)]
               : nullptr;
}

const named_rows& table_model::named_table(int table) const {
    auto at = named_.find(table);
    if (at == named_.end())
        at = named_.emplace(table, named_rows(doc_.game.db, table)).first;
    return at->second;
}

std::vector<reference_choice> table_model::reference_choices_at(int row, int column) const {
    const reference_field* r = reference(column);
    if (!r)
        return {};
    return reference_choices(doc_.game.db, named_table(r->target), *r, row);
}

std::string table_model::shown_text(int row, int column) const {
    const reference_field* r = reference(column);
    if (!r)
        return text_at(row, column);
    return reference_text(named_table(r->target), number_at(row, column));
}

const std::string& table_model::folded_name_at(int row, int column) const {
    static const std::string none;
    const reference_field* r = reference(column);
    if (!r)
        return none;
    const named_rows& n = named_table(r->target);
    return n.folded_name(n.row_of(number_at(row, column)));
}

std::string table_model::missing_text(int row, int column) const {
    const reference_field* r = reference(column);
    if (!r)
        return {};
    const long long id = number_at(row, column);
    if (!names_no_row(*r, named_table(r->target), id))
        return {};
    const db_overall_data& holder = doc_.game.db.rows(table_)[static_cast<std::size_t>(row)];
    return missing_reference_text(*r, id, holder.keys[0]);
}

void table_model::follow_named_tables(const change& c) {
    bool any = false;
    for (auto at = named_.begin(); at != named_.end();) {
        if (c.empty() || c.moves_rows(at->first) || c.touches_table(at->first)) {
            at = named_.erase(at);
            any = true;
        } else {
            ++at;
        }
    }
    if (!any || rowCount() == 0)
        return;
    for (int column = 0; column < columnCount(); ++column)
        if (reference(column))
            emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void table_model::reread() {
    ++generation_;
    beginResetModel();
    endResetModel();
}

int table_model::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || table_ < 0 || !doc_.game.db.has_table(table_))
        return 0;
    return static_cast<int>(doc_.game.db.rows(table_).size());
}

int table_model::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || table_ < 0 || !doc_.game.db.has_table(table_))
        return 0;
    return doc_.game.db.tables[static_cast<std::size_t>(table_)].field_count();
}

bool table_model::numeric(int column) const {
    return !holds_text(column_cell(doc_.game.db, table_, 0, column).part);
}

std::string table_model::text_at(int row, int column) const {
    const cell where = column_cell(doc_.game.db, table_, row, column);
    if (!cell_exists(doc_.game.db, where))
        return {};
    return cell_text(doc_.game.db, where);
}

long long table_model::number_at(int row, int column) const {
    const cell where = column_cell(doc_.game.db, table_, row, column);
    if (!cell_exists(doc_.game.db, where))
        return 0;
    const std::uint32_t n = read_cell(doc_.game.db, where).number;
    return is_signed(where.part) ? static_cast<long long>(static_cast<std::int32_t>(n))
                                 : static_cast<long long>(n);
}

QVariant table_model::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || table_ < 0)
        return {};
    if (role == Qt::DisplayRole)
        return text_of(shown_text(index.row(), index.column()));
    if (role == Qt::EditRole)
        return text_of(text_at(index.row(), index.column()));
    if (reference(index.column()) &&
        (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole ||
         role == Qt::ForegroundRole)) {
        // A number no row has is marked as the check marks it: its line of the check.
        const std::string missing = missing_text(index.row(), index.column());
        if (missing.empty())
            return {};
        if (role == Qt::ForegroundRole)
            return QColor(Qt::red);
        return text_of(missing);
    }
    // Numbers to the right; names of referenced rows read from the left.
    if (role == Qt::TextAlignmentRole && numeric(index.column()) && !reference(index.column()))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool table_model::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || table_ < 0)
        return false;
    const QString text = value.toString();
    // A text shown with replacement characters keeps its stored bytes unless it was changed.
    if (text == data(index, Qt::EditRole).toString())
        return false;
    const QByteArray utf8 = text.toUtf8();
    const cell where = column_cell(doc_.game.db, table_, index.row(), index.column());
    // The field's name as messages quote a name from a file.
    const QString field = QString::fromStdString(printable(
        headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString().toStdString()));
    // The row as every list and message names it, as it was before the edit.
    const QString row = QString::fromStdString(row_title(doc_.game.db, table_, index.row()));
    auto outcome =
        set_cell_text(doc_.game, where,
                      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (!outcome.ok()) {
        emit refused(QStringLiteral("%1, %2: %3").arg(row, field, qira::shown_text(outcome)));
        return false;
    }
    doc_.push_table_edit(std::move(outcome.made), tr("edit %1 %2").arg(row, field));
    return true;
}

Qt::ItemFlags table_model::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant table_model::headerData(int section, Qt::Orientation orientation, int role) const {
    if (table_ < 0)
        return {};
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section) : QVariant();
    const db_table& t = doc_.game.db.tables[static_cast<std::size_t>(table_)];
    if (section < 0 || section >= t.field_count())
        return {};
    const db_field& f = t.fields[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return text_of(f.name);
    if (role == Qt::ToolTipRole) {
        const row_part kind = place_of_field(t, section).part;
        const std::string_view label = kind_label(kind, label_style::window);
        const QString name = text_of(f.name);
        const QString part =
            QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
        const reference_field* r = reference(section);
        if (kind == row_part::value) {
            const auto bits = field_bits(t, table_, section);
            if (!r)
                //: %1: the field; %2: what part of the row it is; %3 to %5: where it is stored
                return tr("%1: %2, %3 bits (descriptor words %4 and %5)")
                    .arg(name, part)
                    .arg(bits)
                    .arg(f.descriptor_a)
                    .arg(f.descriptor_b);
            //: %1: the field; %2: what part of the row it is; %3 to %5: where it is stored;
            //: %6 and %7: the number and the name of the table whose rows it names
            return tr("%1: %2, %3 bits (descriptor words %4 and %5); names a row of table %6 (%7) "
                      "by its id")
                .arg(name, part)
                .arg(bits)
                .arg(f.descriptor_a)
                .arg(f.descriptor_b)
                .arg(r->target)
                .arg(text_of(doc_.game.db.tables[static_cast<std::size_t>(r->target)].name));
        }
        if (!r)
            //: %1: the field; %2: what part of the row it is
            return tr("%1: %2, a whole word").arg(name, part);
        //: %1: the field; %2: what part of the row it is; %3 and %4: the number and the name
        //: of the table whose rows it names
        return tr("%1: %2, a whole word; names a row of table %3 (%4) by its id")
            .arg(name, part)
            .arg(r->target)
            .arg(text_of(doc_.game.db.tables[static_cast<std::size_t>(r->target)].name));
    }
    return {};
}

void table_model::edited(const document_change& d) {
    const change& c = d.made;
    if (table_ < 0)
        return;
    ++generation_;
    follow_named_tables(c);
    if (c.empty())
        return;
    if (!doc_.game.db.has_table(table_) || c.moves_rows(table_)) {
        beginResetModel();
        endResetModel();
        return;
    }
    for (const cell_change& cc : c.cells)
        if (cc.where.table == table_) {
            const int column = field_of_place(doc_.game.db.tables[static_cast<std::size_t>(table_)],
                                              cc.where.place());
            if (column >= 0) {
                const QModelIndex at = index(cc.where.row, column);
                emit dataChanged(at, at);
            }
        }
}

// --- Filters

table_filter::table_filter(table_model& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(&model);
}

table_filter::condition table_filter::parse(const QString& raw) {
    condition c;
    const QString text = raw.trimmed();
    const auto number = [](QString s, long long& out) {
        bool ok = false;
        out = s.trimmed().toLongLong(&ok);
        return ok;
    };
    struct op {
        const char* prefix;
        condition::kind kind;
    };
    for (const op& o :
         {op{"!=", condition::kind::not_equal}, op{">=", condition::kind::greater_equal},
          op{"<=", condition::kind::less_equal}, op{"=", condition::kind::equal},
          op{">", condition::kind::greater}, op{"<", condition::kind::less}}) {
        if (text.startsWith(QLatin1String(o.prefix)) &&
            number(text.mid(static_cast<qsizetype>(std::strlen(o.prefix))), c.a)) {
            c.what = o.kind;
            return c;
        }
    }
    const qsizetype dots = text.indexOf(QLatin1String(".."));
    if (dots > 0 && number(text.left(dots), c.a) && number(text.mid(dots + 2), c.b)) {
        c.what = condition::kind::range;
        return c;
    }
    const QByteArray utf8 = text.toUtf8();
    c.folded = fold_text(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    return c;
}

void table_filter::set_column_filter(int column, const QString& text) {
    columns_.erase(std::remove_if(columns_.begin(), columns_.end(),
                                  [&](const auto& c) { return c.first == column; }),
                   columns_.end());
    if (column >= static_cast<int>(column_texts_.size()))
        column_texts_.resize(static_cast<std::size_t>(column) + 1);
    column_texts_[static_cast<std::size_t>(column)] = text;
    if (!text.trimmed().isEmpty())
        columns_.emplace_back(column, parse(text));
    refilter();
}

QString table_filter::column_filter(int column) const {
    return column >= 0 && static_cast<std::size_t>(column) < column_texts_.size()
               ? column_texts_[static_cast<std::size_t>(column)]
               : QString();
}

void table_filter::set_all_filter(const QString& text) {
    const QByteArray utf8 = text.trimmed().toUtf8();
    all_ = fold_text(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    refilter();
}

void table_filter::clear_filters() {
    columns_.clear();
    column_texts_.clear();
    all_.clear();
    refilter();
}

void table_filter::refilter() {
    // invalidateFilter() would take the rows out and put them in range by range, and move every
    // persistent index held on this model at each range: minutes over a grid of thousands of
    // cells read by a screen reader. The source's reset makes this model drop its mapping and
    // the persistent indexes at once and build the mapping again (sorted as before).
    emit view_about_to_reset();
    model_.reread();
    emit view_reset_done();
}

void table_filter::sort(int column, Qt::SortOrder order) {
    resort(column, order, false);
}

void table_filter::sort_by_name(int column, Qt::SortOrder order) {
    resort(column, order, model_.reference(column) != nullptr);
}

void table_filter::resort(int column, Qt::SortOrder order, bool by_name) {
    if (column == sortColumn() && order == sortOrder() && by_name == by_name_)
        return;
    by_name_ = by_name;
    // A sort moves each persistent index too, and frees a copy of each one by one: the indexes
    // are dropped first, so that the sort moves only the few the view holds.
    emit view_about_to_reset();
    model_.reread();
    QSortFilterProxyModel::sort(column, order);
    emit view_reset_done();
}

bool table_filter::contains(int row, int column, const std::string& folded) const {
    const std::string text = model_.text_at(row, column);
    if (!model_.numeric(column))
        return fold_text(text).find(folded) != std::string::npos;
    return text.find(folded) != std::string::npos ||
           (model_.reference(column) &&
            model_.folded_name_at(row, column).find(folded) != std::string::npos);
}

bool table_filter::accepts(const condition& c, int row, int column) const {
    using k = condition::kind;
    if (c.what == k::contains)
        return contains(row, column, c.folded);
    const long long v = model_.numeric(column)
                            ? model_.number_at(row, column)
                            : QString::fromStdString(model_.text_at(row, column)).toLongLong();
    switch (c.what) {
    case k::equal:
        return v == c.a;
    case k::not_equal:
        return v != c.a;
    case k::less:
        return v < c.a;
    case k::less_equal:
        return v <= c.a;
    case k::greater:
        return v > c.a;
    case k::greater_equal:
        return v >= c.a;
    case k::range:
        return v >= std::min(c.a, c.b) && v <= std::max(c.a, c.b);
    case k::contains:
        break;
    }
    return false;
}

bool table_filter::filterAcceptsRow(int source_row, const QModelIndex&) const {
    for (const auto& [column, c] : columns_)
        if (column < model_.columnCount() && !accepts(c, source_row, column))
            return false;
    if (all_.empty())
        return true;
    for (int column = 0; column < model_.columnCount(); ++column)
        if (contains(source_row, column, all_))
            return true;
    return false;
}

void table_filter::rank_by_name(int column) const {
    const int rows = model_.rowCount();
    std::vector<int> order(static_cast<std::size_t>(rows));
    std::vector<const std::string*> names(order.size());
    std::vector<long long> numbers(order.size());
    for (int r = 0; r < rows; ++r) {
        order[static_cast<std::size_t>(r)] = r;
        names[static_cast<std::size_t>(r)] = &model_.folded_name_at(r, column);
        numbers[static_cast<std::size_t>(r)] = model_.number_at(r, column);
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const std::string& x = *names[static_cast<std::size_t>(a)];
        const std::string& y = *names[static_cast<std::size_t>(b)];
        if (x.empty() != y.empty())
            return y.empty();
        if (x != y)
            return x < y;
        const long long m = numbers[static_cast<std::size_t>(a)];
        const long long n = numbers[static_cast<std::size_t>(b)];
        return m != n ? m < n : a < b;
    });
    name_rank_.assign(order.size(), 0);
    for (std::size_t k = 0; k < order.size(); ++k)
        name_rank_[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
    rank_generation_ = model_.generation();
    rank_column_ = column;
}

bool table_filter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int column = left.column();
    if (by_name_ && model_.reference(column)) {
        // Ranked again once the model changed since (the first comparison of a sort).
        if (rank_generation_ != model_.generation() || rank_column_ != column ||
            name_rank_.size() != static_cast<std::size_t>(model_.rowCount()))
            rank_by_name(column);
        return name_rank_[static_cast<std::size_t>(left.row())] <
               name_rank_[static_cast<std::size_t>(right.row())];
    }
    if (model_.numeric(column)) {
        const long long a = model_.number_at(left.row(), column);
        const long long b = model_.number_at(right.row(), column);
        return a != b ? a < b : left.row() < right.row();
    }
    const std::string a = fold_text(model_.text_at(left.row(), column));
    const std::string b = fold_text(model_.text_at(right.row(), column));
    return a != b ? a < b : left.row() < right.row();
}

} // namespace qira
