#pragma once
// Texts of Qt's own dialogs that Qt's translations leave out in some of the window's languages
// (the standard buttons of message boxes in Swedish, whose Qt catalogue predates Qt 6): listed
// here only for lupdate, so that the window's .ts files carry them. Not compiled.

#include <QtGlobal>

inline const char* const qt_dialog_texts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"), QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
};
