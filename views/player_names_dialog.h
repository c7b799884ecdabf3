#pragma once
// The small dialog that asks the names of a new player: first name, pseudonym and surname.

#include "editing/transfers.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace qira {

// Asks the names (as UTF-8 bytes); nothing when the user cancels. `model` fills the fields.
std::optional<player_names> ask_player_names(QWidget* parent, const QString& title,
                                             const player_names& model);

// What the pages call to ask the names; tests answer it instead of the dialog.
using names_asker =
    std::function<std::optional<player_names>(const QString& title, const player_names& model)>;

// A new player made as both pages make him: refused ("No new player: ...") before the names
// are asked where he could not be added, the names asked, then the copy of player row `model`
// (new_player). Success with nothing when the user cancels; else the edit made, and the new
// player's label as the tree shows it.
struct new_player_made {
    edit_outcome made;
    QString label;
};
result_of<std::optional<new_player_made>> ask_new_player(open_game& game, int model,
                                                         std::optional<std::int32_t> team,
                                                         const names_asker& ask);

} // namespace qira
