#include "views/undo_buttons.h"

namespace qira {

namespace {

void show_step(const undo_control& c, bool can, const QString& verb, const QString& step) {
    if (c.action)
        c.action->setEnabled(can);
    c.button->setEnabled(can);
    const QString keys = c.keys.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(c.keys);
    const QString tip = can ? QStringLiteral("%1 %2%3").arg(verb, step, keys)
                            : QStringLiteral("Nothing to %1").arg(verb.toLower());
    c.button->setToolTip(tip);
    c.button->setAccessibleDescription(tip);
}

} // namespace

void follow_undo_stack(QUndoStack* stack, const undo_control& undo, const undo_control& redo) {
    const auto update = [=] {
        show_step(undo, stack->canUndo(), QStringLiteral("Undo"), stack->undoText());
        show_step(redo, stack->canRedo(), QStringLiteral("Redo"), stack->redoText());
    };
    QObject::connect(stack, &QUndoStack::indexChanged, undo.button, update);
    update();
}

} // namespace qira
