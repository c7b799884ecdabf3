#include "views/undo_buttons.h"

#include <QCoreApplication>

namespace qira {

namespace {

QString undo_text(const char* text) {
    return QCoreApplication::translate("qira::undo_buttons", text);
}

// The tip of an Undo (or Redo) button: what it takes back, and its keys.
void show_step(const undo_control& c, bool can, bool undo, const QString& step) {
    if (c.action)
        c.action->setEnabled(can);
    c.button->setEnabled(can);
    //: %1: the step Undo takes back (e.g. "Apply player Ann Lee"); %2: its keys
    const char* with_keys = undo ? QT_TRANSLATE_NOOP("qira::undo_buttons", "Undo %1 (%2)")
                                 //: %1: the step Redo does again; %2: its keys
                                 : QT_TRANSLATE_NOOP("qira::undo_buttons", "Redo %1 (%2)");
    //: %1: the step Undo takes back (e.g. "Apply player Ann Lee")
    const char* without_keys = undo ? QT_TRANSLATE_NOOP("qira::undo_buttons", "Undo %1")
                                    //: %1: the step Redo does again
                                    : QT_TRANSLATE_NOOP("qira::undo_buttons", "Redo %1");
    const QString tip =
        !can ? (undo ? undo_text(QT_TRANSLATE_NOOP("qira::undo_buttons", "Nothing to undo"))
                     : undo_text(QT_TRANSLATE_NOOP("qira::undo_buttons", "Nothing to redo")))
        : c.keys.isEmpty() ? undo_text(without_keys).arg(step)
                           : undo_text(with_keys).arg(step, c.keys);
    c.button->setToolTip(tip);
    c.button->setAccessibleDescription(tip);
}

} // namespace

void follow_undo_stack(QUndoStack* stack, const undo_control& undo, const undo_control& redo) {
    const auto update = [=] {
        show_step(undo, stack->canUndo(), true, stack->undoText());
        show_step(redo, stack->canRedo(), false, stack->redoText());
    };
    QObject::connect(stack, &QUndoStack::indexChanged, undo.button, update);
    update();
}

} // namespace qira
