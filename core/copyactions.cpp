#include "core/copyactions.h"

#include "core/copytext.h"
#include "core/currentcolour.h"
#include "settings/strings.h"

#include <QLabel>

namespace {

void Copy(const PictureBox &picMain, const QLabel &upper, const CopyOptions &options, int which,
          int source, int kind)
{
    SetClipboardText(
        ComposeCopyText(ReadSwatchColour(picMain, which), source, kind, options, upper.text()));
}

} // namespace

QString CopyTrueColour(const PictureBox &picMain, const QLabel &upper, const CopyOptions &options)
{
    Copy(picMain, upper, options, 1, CopyTrueColourCommand, TrueColourKind);
    return LoadResString(351);
}

QString CopySafeColour(const PictureBox &picMain, const QLabel &upper, const CopyOptions &options)
{
    Copy(picMain, upper, options, 2, CopySafeColourCommand, SafeColourKind);
    return LoadResString(352);
}

void CopyPickedColour(const PictureBox &picMain, const QLabel &upper, const CopyOptions &options,
                      int source)
{
    if (options.copyFlags.testFlag(InstantCopy))
        Copy(picMain, upper, options, 1, source, TrueColourKind);
}
