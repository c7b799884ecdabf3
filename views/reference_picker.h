#pragma once
// Picking the row a reference names: the editor of a reference cell in the grid. The cell's
// editor is a line to type in with a drop-down of the rows the field may name ("Łukasz Mazur
// (1234)"), which follows every keystroke with the find folding (case and accents aside, words in
// any order, the id too). What the cell gets is always a number: the row chosen in the list, or
// the number typed, also one that no row has (the check reports it).

#include "editing/label_find.h"
#include "editing/references.h"

#include <QAbstractListModel>
#include <QCompleter>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <optional>
#include <vector>

namespace qira {

class table_model;

// The rows a picker shows: those of its choices that match the text typed, in their order.
class choice_list : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit choice_list(std::vector<reference_choice> choices, QObject* parent = nullptr);

    // Shows the choices that match `query` (all of them when it is empty).
    void find(const QString& query);
    const QString& query() const { return query_; }
    // The choice shown at `row`.
    const reference_choice& shown(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    std::vector<reference_choice> choices_;
    label_find find_;
    std::vector<std::size_t> shown_; // indexes into choices_
    QString query_;
};

class reference_picker : public QLineEdit {
    Q_OBJECT

  public:
    reference_picker(std::vector<reference_choice> choices, QWidget* parent = nullptr);

    // The number the picker stands for: the text as a number ("1234", "#1234"), the id of the
    // row chosen in the list, of the row whose text it is, of the one row that matches it;
    // nothing when it names no row or several (`why` says which).
    std::optional<long long> picked(QString* why = nullptr) const;

    choice_list* choices() const { return list_; }
    QCompleter* drop_down() const { return completer_; }
    // Opens the drop-down (every choice, the current one selected).
    void open_list();

  signals:
    // A row was chosen in the drop-down (Enter or a click): the cell takes it at once.
    void chosen();

  private:
    void typed(const QString& text);

    choice_list* list_;
    QCompleter* completer_;
    std::optional<std::int32_t> chosen_;
};

// The grid's delegate: reference cells are edited with a reference_picker, others as usual.
class reference_delegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    reference_delegate(table_model& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  signals:
    // The text of a picker named no row and was no number: nothing changed.
    void refused(const QString& why) const;

  private:
    table_model& model_;
};

} // namespace qira
