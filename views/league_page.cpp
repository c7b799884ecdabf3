// The league page: a league's two localized titles and its level.

#include "app/main_window.h"

void TForm1::show_league(int) {}
void TForm1::l_applyClick() {}
