#pragma once

#include "core/colour.h"

#include <QFlags>

// How a copied colour is written: the user's copy options, one record for the whole run.
enum CopyFlag {
    InstantCopy = 1,
    Quotes = 2,
    Lowercase = 4,
    PoundSign = 8,
    UseRgb = 16,
    IncludeTag = 32,
    AvailableNames = 64,
};
Q_DECLARE_FLAGS(CopyFlags, CopyFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(CopyFlags)

enum TagKind : int { Html = 1, Css = 2, InlineCss = 3 };

inline constexpr int TagTextCount = 7; // HtmlAttribute and CssProperty run from 1 to this

struct CopyOptions
{
    CopyFlags copyFlags;
    RgbMode rgbMode{};
    int precision = 0;
    TagKind tagKind{};
    int htmlAttribute = 0;
    int cssProperty = 0;
};
