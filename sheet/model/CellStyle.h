#pragma once

#include <QColor>
#include <QHashFunctions>
#include <QString>

namespace velmora::sheet {

enum class HorizontalAlignment { General, Left, Centre, Right, CentreAcrossSelection };
enum class VerticalAlignment { Top, Centre, Bottom };

/// One border line of a cell.
struct Border {
    enum class Line { None, Thin, Medium, Thick, Dashed, Dotted, Double };
    Line line = Line::None;
    QColor colour = Qt::black;

    bool operator==(const Border&) const = default;
};

/// How a cell looks. Cells share styles by value; the workbook format stores each distinct style once.
struct CellStyle {
    QString fontFamily = QStringLiteral("Arial");
    double fontSize = 10.0; ///< points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor textColour = Qt::black;
    QColor fillColour; ///< invalid: no fill
    HorizontalAlignment horizontal = HorizontalAlignment::General;
    VerticalAlignment vertical = VerticalAlignment::Bottom;
    bool wrap = false;
    QString numberFormat; ///< empty: "General"
    Border left, top, right, bottom;
    bool locked = true;         ///< cannot be changed while the sheet is protected
    bool formulaHidden = false; ///< the formula is not shown while the sheet is protected

    bool operator==(const CellStyle&) const = default;
};

inline size_t qHash(const Border& border, size_t seed = 0) {
    return qHashMulti(seed, int(border.line), border.colour.rgba());
}

/// Equal styles hash equally, so that writers find a style among thousands at once.
inline size_t qHash(const CellStyle& style, size_t seed = 0) {
    return qHashMulti(seed, style.fontFamily, style.fontSize, style.bold, style.italic, style.underline,
                      style.textColour.rgba(), style.fillColour.isValid(), style.fillColour.rgba(),
                      int(style.horizontal), int(style.vertical), style.wrap, style.numberFormat, style.left,
                      style.top, style.right, style.bottom, style.locked, style.formulaHidden);
}

} // namespace velmora::sheet
