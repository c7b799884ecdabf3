// The player exchange: two players change places in their teams' rosters.

#include "app/main_window.h"

void TForm1::Button3Click() {}
