#pragma once

#include "sheet/formula/FormulaTokens.h"

#include <optional>
#include <vector>

namespace velmora::sheet {

/// An expression of a formula as a tree.
struct FormulaNode {
    enum class Kind { Number, Text, Boolean, Error, Reference, Name, Negate, Percent, Binary, Call };
    Kind kind = Kind::Number;
    double number = 0.0;
    QString text; ///< a text, an error, a name, a function's name in capitals or an operator
    FormulaReference reference;
    std::vector<FormulaNode> children;
};

/// Nesting deeper than this, or more tokens than this, are refused: the evaluation recurses along the tree.
inline constexpr int maxFormulaDepth = 100;
inline constexpr std::size_t maxFormulaTokens = 4096;

/// The tree of a formula's expression (the text after "="); empty for one that is not well formed.
std::optional<FormulaNode> parseFormula(QStringView expression);

} // namespace velmora::sheet
