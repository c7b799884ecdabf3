#pragma once
// A demonstration run without a user: with QIRA_AUTOSCREENSHOT=FILE.png in the environment, the
// program saves the start screen to FILE-start.png, presses "Open Database", saves the window to
// FILE.png and ends (exit code 1 when the database did not open). Messages are printed to the
// standard error output instead of waiting in a dialog.

class TForm1;

namespace qira {

// Arranges the run when the variable is set; false when it is not.
bool schedule_autoscreenshot(TForm1& window);

} // namespace qira
