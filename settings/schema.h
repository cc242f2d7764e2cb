#pragma once

#include "settings/store.h"

#include <QString>
#include <QVariant>

// Every setting the program keeps, with its key, name, type and default, declared once here; the
// rest of the program reads and writes settings only through these.
struct SettingsValue
{
    QString key;
    QString name;
    RegistryType type;
    // The default when nothing can be read; null where the caller supplies it (the window
    // position follows the screen, the earlier release's values the current state).
    QVariant fallback;
};

namespace Schema {

extern const QString ProgramKey;
extern const QString PositionKey;
extern const QString SettingsKey;
extern const QString ColoursKey;

extern const SettingsValue Left;
extern const SettingsValue Top;

extern const SettingsValue AlwaysOnTop;
extern const SettingsValue Splash;
extern const SettingsValue Precision;
extern const SettingsValue Copy;
extern const SettingsValue TagCopy;
extern const SettingsValue RgbCopy;
extern const SettingsValue HtmlTagCopy;
extern const SettingsValue CssTagCopy;
extern const SettingsValue Alert;
extern const SettingsValue View;
extern const SettingsValue Palette;
extern const SettingsValue ColourType;
extern const SettingsValue CopyTab;
extern const SettingsValue FontName;
extern const SettingsValue HeadingText;
extern const SettingsValue LinkText;
extern const SettingsValue FontText;

// A link's colour, blue, and its colour under the pointer, green, where no other is chosen: the
// Preview's page starts with them, and the About window's link has them.
inline constexpr int LinkBlue = 0xFF0000;
inline constexpr int HoverGreen = 0x009900;

extern const SettingsValue TrueColour;
extern const SettingsValue SafeColour;
extern const SettingsValue BackgroundColour;
extern const SettingsValue FontColour;
extern const SettingsValue HeadingColour;
extern const SettingsValue ActiveLinkColour;
extern const SettingsValue LinkColour;
extern const SettingsValue HoverColour;

inline constexpr int SwatchCount = 64;
// Custom swatch 0 to 63; a missing value is an empty swatch.
[[nodiscard]] SettingsValue Swatch(int index);

// The earlier release's tree, read only.
extern const QString OldProgramKey;
extern const SettingsValue OldAlwaysOnTop;
extern const SettingsValue OldShowSplash;
extern const SettingsValue OldCopyAs;
extern const SettingsValue OldColour;
inline constexpr int OldCustomColourCount = 30;
// Old custom colour 1 to 30.
[[nodiscard]] SettingsValue OldCustomColour(int number);

} // namespace Schema

// Creates the program's four keys where they are missing, as every start does.
void CreateProgramKeys();

// The stored value, or the default when it is missing or of another type than the schema's; a
// number stored as text that is wholly a whole number within 32 bits reads as that number.
[[nodiscard]] QVariant GetValue(const SettingsValue &value);
[[nodiscard]] QVariant GetValue(const SettingsValue &value, const QVariant &fallback);
// Every custom swatch as GetValue reads it, empty ones as empty, at one look at the store: drawing
// the custom palette checks the settings file once, not once a swatch.
[[nodiscard]] QList<int> GetSwatches(int empty);
// Whether the value was stored or deleted (see the store's save problem handler).
bool SaveValue(const SettingsValue &value, const QVariant &data);
bool DeleteValue(const SettingsValue &value);
