#pragma once
// How the pages make their controls: each carries its name as its objectName (the name the
// handlers use), a caption is its control's buddy and gives the control its accessible name, and
// every page's "Apply" answers Alt+A and Ctrl+Return.

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStringList>

#include <initializer_list>
#include <span>

namespace qira {

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A label for `control`: the control's buddy, so that its accessible name and the focus follow
// from the label.
QLabel* caption(const QString& text, QWidget* control, QWidget* parent);
// A push button that Enter presses while it has the focus.
QPushButton* button(const char* name, const QString& text, QWidget* parent);
QLineEdit* edit(const char* name, QWidget* parent);
// An edit that only remembers a text for the handlers; never seen, never focused.
QLineEdit* hidden_edit(const char* name, const QString& text, QWidget* parent);
QListWidget* hidden_list(const char* name, QWidget* parent);
QComboBox* drop_down(const char* name, const QStringList& items, QWidget* parent);
QSlider* track_bar(const char* name, int maximum, QWidget* parent);
// An edit with its attached spinner (see spin_edit); `edit_member` receives the edit.
QSpinBox* spinner(const char* edit_name, const char* spin_name, int maximum, QWidget* parent,
                  QLineEdit*& edit_member);
// A row of buttons: `left` at the left edge, `right` at the right edge.
QHBoxLayout* button_row(std::initializer_list<QWidget*> left,
                        std::initializer_list<QWidget*> right);
// Tab moves through `controls` in this order.
void tab_chain(std::span<QWidget* const> controls);
inline void tab_chain(std::initializer_list<QWidget*> controls) {
    tab_chain(std::span<QWidget* const>(controls.begin(), controls.size()));
}
// Alt+A and Ctrl+Return (also with the keypad's Enter) press the page's "Apply" while the focus
// is anywhere on the page; a disabled "Apply" stays unpressed.
void apply_keys(QWidget* page, QPushButton* apply);

} // namespace qira
