#include "core/contrast.h"

#include <cmath>

namespace {

// WCAG 2.x keeps the sRGB transfer function's older threshold, 0.03928.
double WcagLinear(int part)
{
    const double v = part / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(ColourValue c)
{
    return 0.2126 * WcagLinear(RedOf(c)) + 0.7152 * WcagLinear(GreenOf(c)) +
           0.0722 * WcagLinear(BlueOf(c));
}

} // namespace

double ContrastRatio(ColourValue a, ColourValue b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ContrastVerdicts ContrastVerdictsOf(double ratio)
{
    return {ratio >= 4.5, ratio >= 3, ratio >= 7, ratio >= 4.5};
}

QString ContrastRatioText(double ratio)
{
    // A hair above the exact hundredths keeps 21 from showing as 20.99.
    return QStringLiteral("%1:1").arg(std::floor(ratio * 100 + 1e-9) / 100, 0, 'f', 2);
}
