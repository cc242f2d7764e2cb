#include "core/copyoptions.h"

#include "settings/schema.h"

#include <algorithm>

namespace {

// Only an edited settings file holds a number outside its range. A tag kind or tag index is
// clamped into its range rather than dropped, so that the copy keeps a tag the user can see and
// the Copy Options window has a button to mark. The precision is kept within what the Copy Options
// window accepts (0 still stands for the default of the float form): a huge one would make every
// fraction text as long.
int Clamped(const SettingsValue &value, int low, int high)
{
    return std::clamp(GetValue(value).toInt(), low, high);
}

} // namespace

CopyOptions ReadCopyOptions()
{
    CopyOptions options;
    options.copyFlags = CopyFlags::fromInt(GetValue(Schema::Copy).toInt());
    options.rgbMode = GetValue(Schema::RgbCopy).toInt();
    options.precision = Clamped(Schema::Precision, 0, 100);
    options.tagKind = Clamped(Schema::TagCopy, Html, InlineCss);
    options.htmlAttribute = Clamped(Schema::HtmlTagCopy, 1, TagTextCount);
    options.cssProperty = Clamped(Schema::CssTagCopy, 1, TagTextCount);
    options.showAlert = GetValue(Schema::Alert).toInt() != 0;
    return options;
}

void SaveCopyOptions(const CopyOptions &options)
{
    SaveValue(Schema::Copy, options.copyFlags.toInt());
    SaveValue(Schema::RgbCopy, options.rgbMode);
    SaveValue(Schema::Precision, options.precision);
    SaveValue(Schema::TagCopy, options.tagKind);
    SaveValue(Schema::HtmlTagCopy, options.htmlAttribute);
    SaveValue(Schema::CssTagCopy, options.cssProperty);
    SaveValue(Schema::Alert, options.showAlert);
}
