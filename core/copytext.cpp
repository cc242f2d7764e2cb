#include "core/copytext.h"

#include "core/cssforms.h"
#include "settings/strings.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

QString Value(ColourValue colour, CopySource source, CopyKind kind, const CopyOptions &options,
              const QString &upperCaption)
{
    // After a press below the names or system grid the caption is still a hex text, which is
    // written as any hex text is, pound sign and rgb included.
    const bool named = (source == NamesPaletteCopy || source == SystemPaletteCopy) &&
                       upperCaption != HexText(colour);
    if (kind != SafeColourKind && named && options.copyFlags.testFlag(AvailableNames))
        return upperCaption;
    if (options.copyFlags.testFlag(UseRgb))
        return RgbText(colour, options.rgbMode, options.precision);
    const QString hex = HexText(colour);
    return options.copyFlags.testFlag(PoundSign) ? u'#' + hex : hex;
}

} // namespace

QString ComposeCopyText(ColourValue colour, CopySource source, CopyKind kind,
                        const CopyOptions &options, const QString &upperCaption)
{
    // A style sheet takes these as they are: quotes, a tag or upper case would break them.
    switch (source) {
    case CssHexCopy:
        return CssHexText(colour);
    case CssShortHexCopy:
        return CssShortHexText(colour).value_or(CssHexText(colour));
    case CssRgbCopy:
        return CssRgbText(colour);
    case CssHslCopy:
        return CssHslText(colour);
    case CssOklchCopy:
        return CssOklchText(colour);
    case CssCustomPropertyCopy:
        return CssCustomPropertyText(colour);
    default:
        break;
    }
    QString text = Value(colour, source, kind, options, upperCaption);
    if (options.copyFlags.testFlag(Quotes))
        text = u'"' + text + u'"';
    if (options.copyFlags.testFlag(IncludeTag)) {
        switch (options.tagKind) {
        case Html:
            text = LoadResString(HtmlTextBase + options.htmlAttribute) + text;
            break;
        case Css:
            text = LoadResString(CssTextBase + options.cssProperty) + u' ' + text;
            break;
        case InlineCss:
            // Always single quotes inside double quotes, whatever the quotes switch says.
            text = u'"' + LoadResString(InlineCssTextBase + options.cssProperty) + u'\'' +
                   StripCharacters(text, u"\"") + u'\'' + u'"';
            break;
        default:
            break;
        }
    }
    return options.copyFlags.testFlag(Lowercase) ? text.toLower() : text.toUpper();
}

QString StripCharacters(const QString &text, QStringView characters)
{
    QString stripped;
    stripped.reserve(text.size());
    for (QChar ch : text) {
        if (!characters.contains(ch))
            stripped += ch;
    }
    return stripped;
}

void SetClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
