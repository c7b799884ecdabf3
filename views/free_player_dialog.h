#pragma once
// The list of players without a team, to sign one: name and id, narrowed as the user types.

#include "editing/transfers.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace qira {

// Shows the players and gives the row of the one chosen; nothing when cancelled.
std::optional<int> choose_free_player(QWidget* parent, const std::vector<player_choice>& players);

// What the roster page calls to choose; tests answer it instead of the dialog.
using free_player_chooser =
    std::function<std::optional<int>(const std::vector<player_choice>& players)>;

} // namespace qira
