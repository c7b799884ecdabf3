#include "views/page_widgets.h"

#include "views/widgets.h"

#include <QKeySequence>
#include <QShortcut>

namespace qira {

QLabel* caption(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(text);
    return label;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = named(new QPushButton(text, parent), name);
    b->setAutoDefault(true); // Enter on a focused button presses it
    return b;
}

QLineEdit* edit(const char* name, QWidget* parent) {
    return named(new QLineEdit(parent), name);
}

QLineEdit* hidden_edit(const char* name, const QString& text, QWidget* parent) {
    auto* e = named(new QLineEdit(text, parent), name);
    e->setFocusPolicy(Qt::NoFocus);
    e->hide();
    return e;
}

QListWidget* hidden_list(const char* name, QWidget* parent) {
    auto* list = named(new QListWidget(parent), name);
    list->setFocusPolicy(Qt::NoFocus);
    list->hide();
    return list;
}

QComboBox* drop_down(const char* name, const QStringList& items, QWidget* parent) {
    auto* combo = named(new QComboBox(parent), name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setMaxVisibleItems(20);
    return combo;
}

QSlider* track_bar(const char* name, int maximum, QWidget* parent) {
    auto* slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(0, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

QSpinBox* spinner(const char* edit_name, const char* spin_name, int maximum, QWidget* parent,
                  QLineEdit*& edit_member) {
    auto* spin = named(new spin_edit(0, maximum, parent), spin_name);
    edit_member = named(spin->edit(), edit_name);
    return spin;
}

QHBoxLayout* button_row(std::initializer_list<QWidget*> left,
                        std::initializer_list<QWidget*> right) {
    auto* row = new QHBoxLayout;
    for (auto* w : left)
        row->addWidget(w);
    row->addStretch(1);
    for (auto* w : right)
        row->addWidget(w);
    return row;
}

void tab_chain(std::span<QWidget* const> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void apply_keys(QWidget* page, QPushButton* apply) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::ALT | Qt::Key_A), QKeySequence(Qt::CTRL | Qt::Key_Return),
          QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, page);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, apply, &QPushButton::click);
    }
}

} // namespace qira
