#pragma once

#include "sheet/formula/FormulaTokens.h"

#include <optional>
#include <vector>

namespace velmora::sheet {

enum class FormulaOperator {
    Equal,
    NotEqual,
    Less,
    Greater,
    LessOrEqual,
    GreaterOrEqual,
    Concatenate,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power
};

/// The functions formulas can call; any other name is Unknown and gives "#NAME?".
enum class FormulaFunction {
    Unknown,
    Sum,
    Average,
    Min,
    Max,
    Round,
    If,
    And,
    Or,
    Now,
    Today,
    Text,
    Concatenate,
    Abs,
    Sqrt,
    Ln,
    Log10,
    Exp,
    Pi
};

/// The function of that name (any case).
FormulaFunction functionNamed(const QString& name);

/// An expression of a formula as a tree. Operators and functions are resolved while parsing, so that
/// computing compares no names.
struct FormulaNode {
    enum class Kind { Number, Text, Boolean, Error, Reference, Name, Negate, Percent, Binary, Call };
    Kind kind = Kind::Number;
    double number = 0.0;
    QString text; ///< a text, an error, a name, a function's name in capitals
    FormulaReference reference;
    FormulaOperator op = FormulaOperator::Add;
    FormulaFunction function = FormulaFunction::Unknown;
    std::vector<FormulaNode> children;
};

/// Nesting deeper than this, or more tokens than this, are refused: the evaluation recurses along the tree.
inline constexpr int maxFormulaDepth = 100;
inline constexpr std::size_t maxFormulaTokens = 4096;

/// The tree of a formula's expression (the text after "="); empty for one that is not well formed.
std::optional<FormulaNode> parseFormula(QStringView expression);

} // namespace velmora::sheet
