#pragma once

#include "sheet/model/CellRange.h"

#include <functional>
#include <optional>
#include <QString>
#include <vector>

namespace velmora::sheet {

/// One corner of a reference; "$" fixes a part against moving when the formula is copied.
struct CellReferencePart {
    int row = 1;
    int column = 1;
    bool fixedRow = false;
    bool fixedColumn = false;

    bool operator==(const CellReferencePart&) const = default;
};

/// A cell or a range, perhaps of another sheet: "B2", "$A$1:B4", "'Zweite Tabelle'!A1".
struct FormulaReference {
    QString sheet; ///< empty: the formula's own sheet
    CellReferencePart first;
    CellReferencePart last;

    CellRange range() const;
    bool operator==(const FormulaReference&) const = default;
};

struct FormulaToken {
    enum class Kind { Number, Text, Reference, Name, Error, Operator, Open, Close, Separator };
    Kind kind = Kind::Operator;
    qsizetype start = 0; ///< where the token stands in the formula (without its "=")
    qsizetype length = 0;
    double number = 0.0;
    QString text; ///< a text's content, a name, an error or an operator
    FormulaReference reference;
};

/// The tokens of a formula's expression (the text after "="); empty for a text that is no expression:
/// an unclosed quote, a character no formula has, or a reference beyond the sheet.
std::optional<std::vector<FormulaToken>> tokenizeFormula(QStringView expression);

/// "B2", "$A$1:B4", "'Zweite Tabelle'!A1" as a formula writes it.
QString referenceText(const FormulaReference& reference);

/// The formula with each reference replaced by what `change` makes of it; an empty result stands for a
/// reference that is gone and is written "#REF!". A formula that does not tokenize stays as it is.
QString
rewriteReferences(const QString& formula,
                  const std::function<std::optional<FormulaReference>(const FormulaReference&)>& change);

/// The formula with "," between arguments, as spreadsheet files store it (users may type ";").
QString formulaWithCommas(const QString& formula);

/// The formula copied by the given rows and columns: its parts without "$" move along.
QString movedFormula(const QString& formula, int rows, int columns);

} // namespace velmora::sheet
