#include "core/programsettings.h"

#include "settings/schema.h"

#include <algorithm>

namespace {

// Only an edited settings file holds a number outside its range. A tag kind or tag index is
// clamped into its range rather than dropped, so that the copy keeps a tag the user can see and
// the Copy Options window has a button to mark.
int Clamped(const Setting<int> &value, int low, int high)
{
    return std::clamp(GetSetting(value), low, high);
}

// The precision is kept within what the Copy Options window's OK accepts, 1 to 100, so that the
// window can store its other choices while the precision box is disabled. One below 1 is 3, what
// the float form makes of a precision of 0; a huge one would make every fraction text as long.
int Precision()
{
    const int precision = GetSetting(Schema::Precision);
    return precision < 1 ? Schema::Precision.Default() : std::min(precision, 100);
}

bool Switch(const Setting<int> &value)
{
    return GetSetting(value) != 0;
}

// Only the five palettes have a menu item, a short name and a drawing; any other number (from an
// edited file) would name none of them and show an unrelated text as the palette's name.
PaletteKind Palette()
{
    const int palette = GetSetting(Schema::Palette);
    return PaletteKind(IsPaletteKind(palette) ? palette : Schema::Palette.Default());
}

// Any number but a CSS form's (from an edited file) would copy in some other source's way.
CopySource CssForm()
{
    const int form = GetSetting(Schema::CssForm);
    return CopySource(
        form >= CssHexCopy && form <= CssCustomPropertyCopy ? form : Schema::CssForm.Default());
}

} // namespace

ProgramSettings ReadProgramSettings()
{
    ProgramSettings settings;
    CopyOptions &copy = settings.copyOptions;
    settings.alwaysOnTop = Switch(Schema::AlwaysOnTop);
    settings.showSplash = Switch(Schema::Splash);
    copy.precision = Precision();
    copy.copyFlags = CopyFlags::fromInt(GetSetting(Schema::Copy));
    copy.tagKind = TagKind(Clamped(Schema::TagCopy, Html, InlineCss));
    copy.rgbMode = RgbMode(GetSetting(Schema::RgbCopy));
    copy.htmlAttribute = Clamped(Schema::HtmlTagCopy, 1, TagTextCount);
    copy.cssProperty = Clamped(Schema::CssTagCopy, 1, TagTextCount);
    settings.showAlert = Switch(Schema::Alert);
    settings.viewFlags = GetSetting(Schema::View);
    settings.currentPalette = Palette();
    settings.cssForm = CssForm();
    return settings;
}

void SaveProgramSettings(const ProgramSettings &settings)
{
    const CopyOptions &copy = settings.copyOptions;
    SaveValue(Schema::AlwaysOnTop, settings.alwaysOnTop);
    SaveValue(Schema::Splash, settings.showSplash);
    SaveValue(Schema::Precision, copy.precision);
    SaveValue(Schema::Copy, copy.copyFlags.toInt());
    SaveValue(Schema::TagCopy, int(copy.tagKind));
    SaveValue(Schema::RgbCopy, int(copy.rgbMode));
    SaveValue(Schema::HtmlTagCopy, copy.htmlAttribute);
    SaveValue(Schema::Alert, settings.showAlert);
    SaveValue(Schema::CssTagCopy, copy.cssProperty);
    SaveValue(Schema::View, settings.viewFlags);
    SaveValue(Schema::Palette, int(settings.currentPalette));
    SaveValue(Schema::CssForm, int(settings.cssForm));
}
