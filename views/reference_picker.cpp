#include "views/reference_picker.h"

#include "views/page_values.h"
#include "views/table_model.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QListView>
#include <QRegularExpression>
#include <QTimer>

namespace qira {

namespace {

std::string utf8_of(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// A number as typed: "1234" or "#1234", spaces aside.
std::optional<long long> typed_number(const QString& text) {
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('#')))
        t = t.mid(1).trimmed();
    bool ok = false;
    const long long n = t.toLongLong(&ok);
    return ok ? std::optional<long long>(n) : std::nullopt;
}

QModelIndex source_index(const QModelIndex& index) {
    if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model()))
        return proxy->mapToSource(index);
    return index;
}

} // namespace

// --- The list

choice_list::choice_list(std::vector<reference_choice> choices, QObject* parent)
    : QAbstractListModel(parent), choices_(std::move(choices)) {
    std::vector<std::string> labels;
    std::vector<std::optional<std::int32_t>> ids;
    labels.reserve(choices_.size());
    ids.reserve(choices_.size());
    for (const reference_choice& c : choices_) {
        labels.push_back(c.text);
        ids.emplace_back(c.id);
    }
    find_.assign(std::move(labels), std::move(ids));
    find(QString());
}

void choice_list::find(const QString& query) {
    beginResetModel();
    query_ = query;
    if (query.trimmed().isEmpty()) {
        shown_.resize(choices_.size());
        for (std::size_t i = 0; i < shown_.size(); ++i)
            shown_[i] = i;
    } else {
        shown_ = find_.matches(utf8_of(query));
    }
    endResetModel();
}

const reference_choice& choice_list::shown(int row) const {
    return choices_[shown_[static_cast<std::size_t>(row)]];
}

int choice_list::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant choice_list::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return text_of(shown(index.row()).text);
    if (role == Qt::UserRole)
        return shown(index.row()).id;
    return {};
}

// --- The picker

reference_picker::reference_picker(std::vector<reference_choice> choices, QWidget* parent)
    : QLineEdit(parent), list_(new choice_list(std::move(choices), this)),
      completer_(new QCompleter(list_, this)) {
    setObjectName(QStringLiteral("reference_picker"));
    setAccessibleName(tr("Row named: type a name or a number"));
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(12);
    completer_->setWidget(this);
    auto* popup = qobject_cast<QListView*>(completer_->popup());
    if (popup) {
        popup->setUniformItemSizes(true);
        popup->setObjectName(QStringLiteral("reference_list"));
        popup->setAccessibleName(tr("Rows the field may name"));
    }
    connect(this, &QLineEdit::textEdited, this, &reference_picker::typed);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                if (!index.isValid())
                    return;
                chosen_ = static_cast<std::int32_t>(index.data(Qt::UserRole).toInt());
                setText(index.data(Qt::DisplayRole).toString());
                emit chosen();
            });
}

void reference_picker::typed(const QString& text) {
    chosen_.reset();
    list_->find(text);
    completer_->complete(QRect(0, 0, width(), height()));
}

void reference_picker::open_list() {
    list_->find(QString());
    completer_->complete(QRect(0, 0, width(), height()));
    // The row the cell names, selected in the list.
    const QString now = text();
    for (int r = 0; r < list_->rowCount(); ++r)
        if (list_->data(list_->index(r), Qt::DisplayRole).toString() == now) {
            completer_->popup()->setCurrentIndex(completer_->completionModel()->index(r, 0));
            break;
        }
}

std::optional<long long> reference_picker::picked(QString* why) const {
    if (chosen_)
        return *chosen_;
    const QString t = text().trimmed();
    if (const auto n = typed_number(t))
        return n;
    // "Name (1234)": the number in brackets at the end.
    static const QRegularExpression bracketed(QStringLiteral("\\((-?\\d+)\\)$"));
    if (const auto m = bracketed.match(t); m.hasMatch())
        if (const auto n = typed_number(m.captured(1)))
            return n;
    if (list_->query() != text())
        list_->find(text());
    const int found = list_->rowCount();
    if (found == 1)
        return list_->shown(0).id;
    if (why)
        *why = found == 0
                   ? tr("no row is called '%1'; type its name or a number").arg(t)
                   : tr("'%1' names %Ln rows; choose one from the list", nullptr, found).arg(t);
    return std::nullopt;
}

// --- The delegate

reference_delegate::reference_delegate(table_model& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QWidget* reference_delegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    const QModelIndex at = source_index(index);
    if (!model_.reference(at.column()))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* picker = new reference_picker(model_.reference_choices_at(at.row(), at.column()), parent);
    connect(picker, &reference_picker::chosen, this, [this, picker] {
        emit const_cast<reference_delegate*>(this)->commitData(picker);
        emit const_cast<reference_delegate*>(this)->closeEditor(picker);
    });
    return picker;
}

void reference_delegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* picker = qobject_cast<reference_picker*>(editor);
    if (!picker) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    picker->setText(index.data(Qt::DisplayRole).toString());
    picker->selectAll();
    // The drop-down opens with the editor (once it is placed and shown), unless typing that
    // started the edit already narrowed it.
    QTimer::singleShot(0, picker, [picker] {
        if (!picker->isModified())
            picker->open_list();
    });
}

void reference_delegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    auto* picker = qobject_cast<reference_picker*>(editor);
    if (!picker) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    QString why;
    const auto number = picker->picked(&why);
    if (!number) {
        const QModelIndex at = source_index(index);
        emit refused(
            //: %1: the row's number; %2: the column; %3: why the typed text names no row
            tr("Row %1, %2: not changed: %3")
                .arg(at.row())
                .arg(model_.headerData(at.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
                     why));
        return;
    }
    model->setData(index, QString::number(*number), Qt::EditRole);
}

} // namespace qira
