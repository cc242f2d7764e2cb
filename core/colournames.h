#pragma once

#include "core/colour.h"

#include <QString>
#include <QStringView>
#include <optional>

// The two colour name tables, the 140 HTML colour names and the 28 system colours, kept in the
// string table as "name:value" entries in palette order.
inline constexpr int ColourNameCount = 140;
inline constexpr int SystemColourCount = 28;

// One row of a table, split at its colon.
struct ColourEntry
{
    QString name;
    QString valueText;
};

[[nodiscard]] ColourEntry ColourNameEntry(int index);
[[nodiscard]] ColourEntry SystemColourEntry(int index);

// Six hex digits RRGGBB as a colour; NoColour unless the text is exactly six characters long.
[[nodiscard]] ColourValue ParseHexPairs(QStringView text);

// The reference 0x800000nn that a system entry's value text "800000nn" names.
[[nodiscard]] ColourValue SystemColourReference(QStringView valueText);

// The index of the HTML colour name equal to text in any letter case. System names are not found.
[[nodiscard]] std::optional<int> FindColourName(const QString &text);
