#include "views/page_fields.h"

#include "views/page_values.h"
#include "views/page_widgets.h"
#include "views/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cstring>
#include <optional>

namespace qira {

namespace {

// A field's caption in the user's language; the page's table marks it for the page's class.
QString caption_text(const page_field& f, const QWidget* page) {
    return QCoreApplication::translate(page->metaObject()->className(), f.caption);
}

// A number that no drop-down has an item for.
constexpr std::uint32_t no_item = UINT32_MAX;

QLineEdit* make_text(const page_field& f, QWidget* page) {
    QLineEdit* text = edit(f.name, page);
    if (f.max_length > 0) {
        text->setValidator(new typing_limit(text, f.max_length));
        // Room for as many wide letters and a little more.
        text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QLatin1Char('W')) *
                              (f.max_length + 3));
    }
    return text;
}

QComboBox* make_drop_down(const page_field& f, QWidget* page) {
    QComboBox* list = drop_down(f.name, f.items ? f.items() : QStringList(), page);
    if (f.derived) {
        // Items drawn from the game: as wide as 24 characters, whatever they hold.
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(24);
    }
    if (f.start_item >= 0)
        list->setCurrentIndex(f.start_item);
    return list;
}

QWidget* make_control(const page_field& f, QWidget* page) {
    switch (f.control) {
    case field_control::text:
        return make_text(f, page);
    case field_control::spin: {
        QLineEdit* text = nullptr;
        QSpinBox* spin = spinner(f.edit_name, f.name, f.maximum, page, text);
        if (f.max_length > 0)
            text->setMaxLength(f.max_length);
        return spin;
    }
    case field_control::drop_down:
        return make_drop_down(f, page);
    case field_control::check: {
        auto* box = named(new QCheckBox(caption_text(f, page), page), f.name);
        box->setAccessibleName(box->text()); // named by its own caption
        return box;
    }
    case field_control::track:
        return track_bar(f.name, f.maximum, page);
    }
    return nullptr;
}

// The row's value of an entry's packed field; nothing when the table or row has no such field.
std::optional<std::uint32_t> stored_value(const database& db, int table, const db_overall_data& row,
                                          const page_field& f) {
    const std::optional<int> slot = f.field ? db.field_slot(table, f.field) : f.slot;
    if (!slot || *slot < 0 || static_cast<std::size_t>(*slot) >= row.values.size())
        return std::nullopt;
    return row.values[static_cast<std::size_t>(*slot)];
}

// What Apply takes from a control of a packed value stored as `stored`.
std::uint32_t taken_value(const page_field& f, const QWidget* control, std::uint32_t stored) {
    switch (f.control) {
    case field_control::spin:
        return applied_spin(static_cast<const QSpinBox*>(control), stored);
    case field_control::drop_down:
        return applied_item(static_cast<const QComboBox*>(control), stored);
    case field_control::check:
        return static_cast<const QCheckBox*>(control)->isChecked() ? 1 : 0;
    case field_control::track:
        return static_cast<std::uint32_t>(static_cast<const QSlider*>(control)->value());
    case field_control::text:
        break;
    }
    return stored;
}

} // namespace

field_controls::field_controls(std::span<const page_field> fields, QWidget* page,
                               field_enabling enabling)
    : fields_(fields), page_(page), enabling_(enabling) {
    controls_.reserve(fields.size());
    for (const page_field& f : fields) {
        QWidget* control = make_control(f, page);
        if (!f.writes)
            control->setEnabled(false);
        controls_.push_back(control);
    }
}

QWidget* field_controls::control(const char* name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (std::strcmp(fields_[i].name, name) == 0)
            return controls_[i];
    return nullptr;
}

void field_controls::lay_out_page(QWidget* page, QHBoxLayout* buttons, QPushButton* apply) const {
    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    lay_out(0, form, 0, page);
    auto* column = new QVBoxLayout(page);
    column->addLayout(form);
    column->addStretch(1);
    column->addLayout(buttons);
    apply_keys(page, apply);
}

int field_controls::lay_out(int column, QGridLayout* grid, int row, QWidget* page) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const page_field& f = fields_[i];
        if (f.column != column)
            continue;
        QWidget* control = controls_[i];
        if (f.control == field_control::check) {
            grid->addWidget(control, row++, 0, 1, 2);
            continue;
        }
        QLabel* label = caption(caption_text(f, page_), control, page);
        label->setEnabled(f.writes);
        grid->addWidget(label, row, 0);
        const bool full_width =
            f.width == control_width::full ||
            (f.width == control_width::by_kind &&
             (f.control == field_control::text || f.control == field_control::track));
        grid->addWidget(control, row, 1, full_width ? Qt::Alignment{} : Qt::AlignLeft);
        // The spinner's edit carries the name too, as the control the user types into.
        if (auto* spin = qobject_cast<spin_edit*>(control))
            spin->edit()->setAccessibleName(spin->accessibleName());
        ++row;
    }
    return row;
}

std::vector<QWidget*> field_controls::tab_order() const {
    return controls_;
}

void field_controls::show(const open_game& game, int table, const db_overall_data* row) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const page_field& f = fields_[i];
        QWidget* control = controls_[i];
        if (f.writes && enabling_ == field_enabling::with_row)
            control->setEnabled(row != nullptr);
        if (f.derived) {
            f.derived->show(page_, f, static_cast<QComboBox*>(control), row);
            continue;
        }
        if (f.control == field_control::text) {
            const auto slot = static_cast<std::size_t>(f.slot);
            show_text(static_cast<QLineEdit*>(control), !row          ? std::string()
                                                        : f.localized ? row->names[slot]
                                                                      : row->strings[slot]);
            continue;
        }
        const std::optional<std::uint32_t> value =
            row ? stored_value(game.db, table, *row, f) : std::nullopt;
        switch (f.control) {
        case field_control::spin:
            show_spin(static_cast<QSpinBox*>(control), value.value_or(0));
            break;
        case field_control::drop_down:
            // A stored number outside the list shows no item (and Apply keeps it).
            if (row)
                show_item(static_cast<QComboBox*>(control), value.value_or(no_item));
            else
                static_cast<QComboBox*>(control)->setCurrentIndex(-1);
            break;
        case field_control::check:
            static_cast<QCheckBox*>(control)->setChecked(value.value_or(0) == 1);
            break;
        case field_control::track:
            if (row)
                show_track(static_cast<QSlider*>(control), value.value_or(0));
            else
                static_cast<QSlider*>(control)->setValue(0);
            break;
        case field_control::text:
            break;
        }
    }
}

result_of<field_controls::applied> field_controls::take(const open_game& game, int table,
                                                        const db_overall_data& row) const {
    applied out;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const page_field& f = fields_[i];
        const QWidget* control = controls_[i];
        if (!f.writes)
            continue;
        if (f.control == field_control::text) {
            const auto slot = static_cast<std::size_t>(f.slot);
            const auto* edit = static_cast<const QLineEdit*>(control);
            if (f.localized)
                out.names[slot] = applied_text(edit, row.names[slot]);
            else
                out.texts[slot] = applied_text(edit, row.strings[slot]);
            continue;
        }
        std::optional<std::uint32_t> value;
        if (f.derived) {
            auto derived = f.derived->take(page_, static_cast<const QComboBox*>(control));
            if (!derived)
                return derived.outcome();
            value = derived.value;
        } else if (const auto stored = stored_value(game.db, table, row, f)) {
            value = taken_value(f, control, *stored);
        }
        if (!value)
            continue;
        if (f.field)
            out.values.emplace_back(f.field, *value);
        else
            out.slot_values.emplace_back(f.slot, *value);
    }
    return result_of<applied>::success(std::move(out));
}

} // namespace qira
