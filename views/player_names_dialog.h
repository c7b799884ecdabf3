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

} // namespace qira
