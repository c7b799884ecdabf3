// The team page: a team's localized names, prestige, attack style, formation, stadium, captain
// and penalty taker, and the roster lists of its players.

#include "app/main_window.h"

void TForm1::show_team(int) {}
void TForm1::t_applyClick() {}
void TForm1::Button2Click() {}
