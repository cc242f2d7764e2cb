// Any bytes read as a palette file. A file read without a problem holds colours that, written
// out in either format, read back as the same colours; a file with a problem holds none.
#include "fuzz/require.h"
#include "palettes/swatchfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const SwatchFileContents read =
        ReadSwatchFile(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (read.problem != SwatchFileContents::None) {
        Require(read.colours.isEmpty(), "a file with a problem gives no colours");
        return 0;
    }
    for (SwatchFormat format : {SwatchFormat::Gpl, SwatchFormat::Css}) {
        const SwatchFileContents again = ReadSwatchFile(SwatchFileText(read.colours, format));
        Require(again.problem == SwatchFileContents::None, "a written file reads back");
        Require(again.colours == read.colours, "a written file holds the same colours");
    }
    return 0;
}
