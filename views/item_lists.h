#pragma once
// The fixed item lists of the window's drop-down lists. A list's item index is the number that
// the game stores.

#include <QStringList>

namespace qira {

// Languages of the start screen, in the order of language_file_codes().
QStringList language_items();
// League levels.
QStringList level_items();
// Team attack styles.
QStringList attack_items();
// Team formations (49).
QStringList formation_items();
// Player positions (34), with separator rows at 2 and 8; the player page and the roster page.
QStringList position_items();
QStringList hair_color_items();
QStringList boots_color_items();

} // namespace qira
