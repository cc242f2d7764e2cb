#pragma once

#include <QString>

// The program's string table: every registry path, value name, status text and copy-format
// fragment by its fixed number. Some numbers are computed from program values (115 + palette / 10
// is a short palette name), so the numbering and its gaps matter. An unknown number gives an empty
// text.
[[nodiscard]] QString LoadResString(int id);
