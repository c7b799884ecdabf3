#pragma once
// Where the game is: the search at start-up and the "Game folder..." command of the start screen.

#include "views/command_action.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

namespace qira {

class game_folder {
    Q_DECLARE_TR_FUNCTIONS(qira::game_folder)

  public:
    // Asks for a folder, starting at the one given; empty when the user cancels.
    using folder_chooser = std::function<QString(const QString& start)>;

    // `folder`: the window's edit that holds the game's install directory (Edit1); `window`:
    // the window the folder dialog is shown over.
    game_folder(QLineEdit* folder, QWidget* window) : folder_(folder), window_(window) {}

    // Tests answer instead of the dialog; empty: the system's folder dialog.
    void set_chooser(folder_chooser chooser) { choose_ = std::move(chooser); }

    // Fills the folder edit with the first install folder that holds the game database: the
    // registry's "Install Dir", the game's own keys (Windows) or Wine prefixes (elsewhere); when
    // none does, the edit gets the registry's value as it is. True when the game was found.
    bool find();
    // "Game folder...": a folder chooser, checked and remembered.
    command_outcome choose();

  private:
    QLineEdit* folder_;
    QWidget* window_;
    folder_chooser choose_;
};

} // namespace qira
