#pragma once
// The undo and redo commands of a window, kept in step with the document's undo stack.

#include <QAction>
#include <QPushButton>
#include <QString>
#include <QUndoStack>

namespace qira {

// One of the two commands: its button, its action when it has one (its keys then work only while
// there is a step to take), and its keys as the tool tip names them ("Ctrl+Z"; empty: none).
struct undo_control {
    QPushButton* button = nullptr;
    QAction* action = nullptr;
    QString keys;
};

// Gives the undo and redo commands the stack's state now and after every step: enabled when
// there is a step to take, and the step's name in the button's tool tip and accessible
// description ("Undo Apply player Ann Berg (Ctrl+Z)"; "Nothing to undo" when there is none).
void follow_undo_stack(QUndoStack* stack, const undo_control& undo, const undo_control& redo);

} // namespace qira
