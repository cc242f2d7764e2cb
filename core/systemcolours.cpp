#include "core/systemcolours.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The 25 system colours of the colour references, by index, and the palette role that plays the
// same part in a Qt desktop. Where a desktop has no such thing (the desktop background, window
// borders, captions), the role nearest in look stands in: captions are highlighted, borders are
// the mid and dark shades of the button.
constexpr std::array<SystemRole, 25> SystemRoles{{
    {QPalette::Active, QPalette::Midlight},        // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop background
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Mid},             // 10 active border
    {QPalette::Inactive, QPalette::Midlight},      // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Mid},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 dark 3-D shadow
    {QPalette::Active, QPalette::Midlight},        // 22 light 3-D
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
}};

} // namespace

QColor ResolveColour(ColourValue colour)
{
    const quint32 value = quint32(colour);
    if ((value & 0xFFFFFF00u) == 0x80000000u && (value & 0xFF) < SystemRoles.size()) {
        const SystemRole &system = SystemRoles[value & 0xFF];
        return QGuiApplication::palette().color(system.group, system.role);
    }
    // Only the low three bytes of any other value are a colour, as on the platform it came from.
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColourValue ColourOf(QColor colour)
{
    return RgbColour(colour.red(), colour.green(), colour.blue());
}
