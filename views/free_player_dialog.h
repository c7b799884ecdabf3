#pragma once
// The list of players without a team, to sign one: name and id, narrowed as the user types.

#include "dbfile/database.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace qira {

// Shows the players of `rows` (player rows) and gives the row chosen; nothing when cancelled.
std::optional<int> choose_free_player(QWidget* parent, const database& db,
                                      const std::vector<int>& rows);

// What the roster page calls to choose; tests answer it instead of the dialog.
using free_player_chooser =
    std::function<std::optional<int>(const database& db, const std::vector<int>& rows)>;

} // namespace qira
