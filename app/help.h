#pragma once

#include <QString>

// Opens the program's manual with the desktop's handler: the compiled help file in the program's
// folder where there is one, else the HTML manual beside the program. Returns what went wrong, or
// an empty text when the manual was handed to its viewer.
[[nodiscard]] QString OpenManual();
