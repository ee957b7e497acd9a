#pragma once
// The program's start: the second-copy question, the program folder, the
// defaults, the splash, the screen size, the workspaces, the main window and
// the command-line file.
void Main();

// Takes nothing and does nothing; some procedures call it all the same.
void Tom_Rutine();
