// The player page: a player's name parts and attributes.

#include "app/main_window.h"

void TForm1::show_player(int) {}
void TForm1::pl_applyClick() {}
void TForm1::Button8Click() {}
