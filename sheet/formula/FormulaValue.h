#pragma once

#include "sheet/model/CellRange.h"

#include <optional>
#include <QString>

namespace velmora::sheet {

/// What an expression gives: nothing (an empty cell), a number, a text, a truth value, an error such as
/// "#DIV/0!", or a range of cells that a function reads.
struct FormulaValue {
    enum class Kind { Empty, Number, Text, Boolean, Error, Range };
    Kind kind = Kind::Empty;
    double number = 0.0;
    QString text; ///< a text's content or an error's name
    int sheet = 0;
    CellRange range;

    static FormulaValue ofNumber(double value) { return {Kind::Number, value, {}, 0, {}}; }
    static FormulaValue ofText(const QString& text) { return {Kind::Text, 0.0, text, 0, {}}; }
    static FormulaValue ofBoolean(bool value) { return {Kind::Boolean, value ? 1.0 : 0.0, {}, 0, {}}; }
    static FormulaValue ofError(const QString& error) { return {Kind::Error, 0.0, error, 0, {}}; }
    static FormulaValue ofRange(int sheet, const CellRange& range) {
        return {Kind::Range, 0.0, {}, sheet, range};
    }

    bool isError() const { return kind == Kind::Error; }
};

namespace formulaError {
inline const QString divisionByZero = QStringLiteral("#DIV/0!");
inline const QString name = QStringLiteral("#NAME?");
inline const QString reference = QStringLiteral("#REF!");
inline const QString value = QStringLiteral("#VALUE!");
inline const QString number = QStringLiteral("#NUM!");
} // namespace formulaError

/// The number a cell's text shows ("12.500", "-3", "1,5", "2e3"); empty for any other text.
std::optional<double> cellNumber(const QString& text);

} // namespace velmora::sheet
