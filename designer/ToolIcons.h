#pragma once

#include <QIcon>

namespace tabrix {

/// The images of the tool-bar buttons, drawn at 16 × 15 and at twice that for dense screens.
enum class ToolGlyph {
    New,
    Open,
    Save,
    Print,
    PrintPreview,
    Cut,
    Copy,
    Paste,
    FormatPainter,
    DrawingBar,
    Bold,
    Italic,
    Underline,
    TextColour,
    AlignLeft,
    AlignCentre,
    AlignRight,
    MergeAndCentre,
    FixedAndGeneral,
    Currency,
    Percent,
    Fraction,
    DateAndTime,
    PolygonPoints,
    Line,
    Rectangle,
    Oval,
    Arc,
    Polygon,
    Button,
    CheckBox,
    ListBox,
    Chart
};

QIcon toolIcon(ToolGlyph glyph);

} // namespace tabrix
