// The team roster page: the shown team's players with their jersey numbers and positions.

#include "app/main_window.h"

void TForm1::refresh_roster_list() {}
void TForm1::Button5Click() {}
void TForm1::t_pl_listClick() {}
void TForm1::t_pl_posChange() {}
void TForm1::t_pl_numChange() {}
void TForm1::t_pl_listDblClick() {}
void TForm1::t_apply_1Click() {}
