#include "core/copyactions.h"

#include "core/copytext.h"
#include "core/currentcolour.h"
#include "settings/strings.h"

#include <QLabel>

namespace {

void Copy(const ColourDisplay &picMain, const CopyOptions &options, Swatch which, CopySource source,
          CopyKind kind)
{
    SetClipboardText(ComposeCopyText(ReadSwatchColour(picMain, which), source, kind, options,
                                     picMain.lblHexName[0]->text()));
}

} // namespace

QString CopyTrueColour(const ColourDisplay &picMain, const CopyOptions &options)
{
    Copy(picMain, options, TrueSwatch, CopyTrueColourCommand, TrueColourKind);
    return LoadResString(CopiedTrueColourText);
}

QString CopySafeColour(const ColourDisplay &picMain, const CopyOptions &options)
{
    Copy(picMain, options, SafeSwatch, CopySafeColourCommand, SafeColourKind);
    return LoadResString(CopiedSafeColourText);
}

QString CopyCss(const ColourDisplay &picMain, const CopyOptions &options, CopySource form)
{
    Copy(picMain, options, TrueSwatch, form, TrueColourKind);
    return LoadResString(FirstCssCopiedText + (form - CssHexCopy));
}

void CopyPickedColour(const ColourDisplay &picMain, const CopyOptions &options, CopySource source)
{
    if (options.copyFlags.testFlag(InstantCopy))
        Copy(picMain, options, TrueSwatch, source, TrueColourKind);
}
