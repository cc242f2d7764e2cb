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

// A setting whose value reads as T: int for a number (REG_DWORD), QString for a text (REG_SZ).
template <typename T> struct Setting : SettingsValue
{
    [[nodiscard]] T Default() const { return fallback.template value<T>(); }
};

namespace Schema {

extern const QString ProgramKey;
extern const QString PositionKey;
extern const QString SettingsKey;
extern const QString ColoursKey;
// What the program keeps beyond its first design.
extern const QString ExtrasKey;

extern const Setting<int> Left;
extern const Setting<int> Top;

extern const Setting<int> AlwaysOnTop;
extern const Setting<int> Splash;
extern const Setting<int> Precision;
extern const Setting<int> Copy;
extern const Setting<int> TagCopy;
extern const Setting<int> RgbCopy;
extern const Setting<int> HtmlTagCopy;
extern const Setting<int> CssTagCopy;
extern const Setting<int> Alert;
extern const Setting<int> View;
extern const Setting<int> Palette;
extern const Setting<int> ColourType;
extern const Setting<int> CopyTab;
extern const Setting<QString> FontName;
extern const Setting<QString> HeadingText;
extern const Setting<QString> LinkText;
extern const Setting<QString> FontText;

// The form Copy CSS copied in last, the one its repeat key copies in: a copy source of the forms.
extern const Setting<int> CssForm;

// A link's colour, blue, and its colour under the pointer, green, where no other is chosen: the
// Preview's page starts with them, and the About window's link has them.
inline constexpr int LinkBlue = 0xFF0000;
inline constexpr int HoverGreen = 0x009900;

extern const Setting<int> TrueColour;
extern const Setting<int> SafeColour;
extern const Setting<int> BackgroundColour;
extern const Setting<int> FontColour;
extern const Setting<int> HeadingColour;
extern const Setting<int> ActiveLinkColour;
extern const Setting<int> LinkColour;
extern const Setting<int> HoverColour;

inline constexpr int SwatchCount = 64;
// Custom swatch 0 to 63; a missing value is an empty swatch.
[[nodiscard]] Setting<int> Swatch(int index);

// The earlier release's tree, read only.
extern const QString OldProgramKey;
extern const Setting<int> OldAlwaysOnTop;
extern const Setting<int> OldShowSplash;
extern const Setting<int> OldCopyAs;
extern const Setting<int> OldColour;
inline constexpr int OldCustomColourCount = 30;
// Old custom colour 1 to 30.
[[nodiscard]] Setting<int> OldCustomColour(int number);

} // namespace Schema

// Creates the program's keys where they are missing, as every start does.
void CreateProgramKeys();

// The stored value, or the default when it is missing or of another type than the schema's; a
// number stored as text that is wholly a whole number within 32 bits reads as that number.
[[nodiscard]] QVariant GetValue(const SettingsValue &value);
[[nodiscard]] QVariant GetValue(const SettingsValue &value, const QVariant &fallback);
// Every custom swatch as GetValue reads it, empty ones as empty, at one look at the store: drawing
// the custom palette checks the settings file once, not once a swatch.
[[nodiscard]] QList<int> GetSwatches(int empty);
// The stored value as GetValue reads it, as its type: 0 or an empty text where nothing is read and
// the schema has no default.
template <typename T> [[nodiscard]] T GetSetting(const Setting<T> &setting)
{
    return GetValue(setting).template value<T>();
}
// The same with the caller's fallback where nothing can be read.
template <typename T> [[nodiscard]] T GetSetting(const Setting<T> &setting, const T &fallback)
{
    return GetValue(setting, fallback).template value<T>();
}
// Whether the value was stored or deleted (see the store's save problem handler).
bool SaveValue(const SettingsValue &value, const QVariant &data);
bool DeleteValue(const SettingsValue &value);
