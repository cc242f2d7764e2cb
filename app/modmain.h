#pragma once

// The start of the program: makes sure the program's keys exist, shows the main window and, when
// the splash switch is on, the start-up picture for about four seconds. The program then lives in
// the event loop until the main window closes.
void Main();
