#include "sheet/formula/FormulaEvaluator.h"

#include "sheet/formats/NumberFormats.h"
#include "sheet/formats/NumberFormatShape.h"

#include <charconv>
#include <cmath>

namespace velmora::sheet {

namespace {

using Kind = FormulaValue::Kind;

bool callsKnownFunctions(const FormulaNode& node) {
    if (node.kind == FormulaNode::Kind::Call && node.function == FormulaFunction::Unknown)
        return false;
    return std::all_of(node.children.begin(), node.children.end(), callsKnownFunctions);
}

FormulaValue numberOrError(double value) {
    return std::isfinite(value) ? FormulaValue::ofNumber(value) : FormulaValue::ofError(formulaError::number);
}

class Evaluator {
public:
    Evaluator(int sheet, const FormulaContext& context) : m_sheet(sheet), m_context(context) {}

    // A value with ranges kept, for the functions that read them.
    FormulaValue evaluate(const FormulaNode& node) const {
        switch (node.kind) {
        case FormulaNode::Kind::Number:
            return FormulaValue::ofNumber(node.number);
        case FormulaNode::Kind::Text:
            return FormulaValue::ofText(node.text);
        case FormulaNode::Kind::Boolean:
            return FormulaValue::ofBoolean(node.number != 0.0);
        case FormulaNode::Kind::Error:
            return FormulaValue::ofError(node.text);
        case FormulaNode::Kind::Reference: {
            const auto target = resolveReference(node.reference, m_sheet, m_context);
            return target ? FormulaValue::ofRange(target->first, target->second)
                          : FormulaValue::ofError(formulaError::reference);
        }
        case FormulaNode::Kind::Name: {
            const auto target = m_context.namedRange(node.text);
            return target ? FormulaValue::ofRange(target->first, target->second)
                          : FormulaValue::ofError(formulaError::name);
        }
        case FormulaNode::Kind::Negate: {
            const FormulaValue operand = number(node.children[0]);
            return operand.isError() ? operand : FormulaValue::ofNumber(-operand.number);
        }
        case FormulaNode::Kind::Percent: {
            const FormulaValue operand = number(node.children[0]);
            return operand.isError() ? operand : FormulaValue::ofNumber(operand.number / 100.0);
        }
        case FormulaNode::Kind::Binary:
            return binary(node);
        case FormulaNode::Kind::Call:
            return call(node);
        }
        return FormulaValue::ofError(formulaError::value);
    }

    // A single value: a range of one cell is that cell's value, a larger one an error.
    FormulaValue scalar(const FormulaNode& node) const { return single(evaluate(node)); }

    FormulaValue single(const FormulaValue& value) const {
        if (value.kind != Kind::Range)
            return value;
        if (value.range.rowCount() != 1 || value.range.columnCount() != 1)
            return FormulaValue::ofError(formulaError::value);
        return m_context.cellValue(value.sheet, {value.range.top, value.range.left});
    }

    static FormulaValue asNumber(const FormulaValue& value) {
        switch (value.kind) {
        case Kind::Number:
        case Kind::Error:
            return value;
        case Kind::Boolean:
            return FormulaValue::ofNumber(value.number);
        case Kind::Empty:
            return FormulaValue::ofNumber(0.0);
        case Kind::Text:
            if (const std::optional<double> read = cellNumber(value.text))
                return FormulaValue::ofNumber(*read);
            return FormulaValue::ofError(formulaError::value);
        case Kind::Range:
            break;
        }
        return FormulaValue::ofError(formulaError::value);
    }

    FormulaValue number(const FormulaNode& node) const { return asNumber(scalar(node)); }

    static QString asText(const FormulaValue& value) {
        switch (value.kind) {
        case Kind::Number:
            return numberText(value.number, {}, false);
        case Kind::Boolean:
            return value.number != 0.0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        case Kind::Text:
        case Kind::Error:
            return value.text;
        default:
            return {};
        }
    }

    // Numbers and texts compare as spreadsheets do: numbers before texts before truth values, texts
    // without regard to case.
    static int compare(const FormulaValue& a, const FormulaValue& b) {
        const auto rank = [](const FormulaValue& v) {
            return v.kind == Kind::Text ? 1 : v.kind == Kind::Boolean ? 2 : 0;
        };
        FormulaValue x = a;
        FormulaValue y = b;
        if (x.kind == Kind::Empty)
            x = y.kind == Kind::Text ? FormulaValue::ofText({}) : FormulaValue::ofNumber(0.0);
        if (y.kind == Kind::Empty)
            y = x.kind == Kind::Text ? FormulaValue::ofText({}) : FormulaValue::ofNumber(0.0);
        if (rank(x) != rank(y))
            return rank(x) < rank(y) ? -1 : 1;
        if (x.kind == Kind::Text)
            return QString::compare(x.text, y.text, Qt::CaseInsensitive);
        return x.number < y.number ? -1 : x.number > y.number ? 1 : 0;
    }

    FormulaValue binary(const FormulaNode& node) const {
        const FormulaValue left = scalar(node.children[0]);
        const FormulaValue right = scalar(node.children[1]);
        if (left.isError())
            return left;
        if (right.isError())
            return right;
        switch (node.op) {
        case FormulaOperator::Concatenate:
            return FormulaValue::ofText(asText(left) + asText(right));
        case FormulaOperator::Equal:
            return FormulaValue::ofBoolean(compare(left, right) == 0);
        case FormulaOperator::NotEqual:
            return FormulaValue::ofBoolean(compare(left, right) != 0);
        case FormulaOperator::Less:
            return FormulaValue::ofBoolean(compare(left, right) < 0);
        case FormulaOperator::Greater:
            return FormulaValue::ofBoolean(compare(left, right) > 0);
        case FormulaOperator::LessOrEqual:
            return FormulaValue::ofBoolean(compare(left, right) <= 0);
        case FormulaOperator::GreaterOrEqual:
            return FormulaValue::ofBoolean(compare(left, right) >= 0);
        default:
            break;
        }
        const FormulaValue x = asNumber(left);
        const FormulaValue y = asNumber(right);
        if (x.isError())
            return x;
        if (y.isError())
            return y;
        switch (node.op) {
        case FormulaOperator::Add:
            return numberOrError(x.number + y.number);
        case FormulaOperator::Subtract:
            return numberOrError(x.number - y.number);
        case FormulaOperator::Multiply:
            return numberOrError(x.number * y.number);
        case FormulaOperator::Divide:
            return y.number == 0.0 ? FormulaValue::ofError(formulaError::divisionByZero)
                                   : numberOrError(x.number / y.number);
        default:
            return numberOrError(std::pow(x.number, y.number));
        }
    }

    // The numbers of the arguments: cells of ranges that hold numbers (other texts are passed over), and
    // arguments given directly, which must be numbers. The first error ends it.
    std::optional<FormulaValue> collectNumbers(const FormulaNode& node, std::vector<double>& numbers) const {
        for (const FormulaNode& argument : node.children) {
            const FormulaValue value = evaluate(argument);
            if (value.kind == Kind::Range) {
                std::optional<FormulaValue> error;
                m_context.forEachValue(value.sheet, value.range, [&](const FormulaValue& cell) {
                    if (error)
                        return;
                    if (cell.isError())
                        error = cell;
                    else if (cell.kind == Kind::Number)
                        numbers.push_back(cell.number);
                });
                if (error)
                    return error;
                continue;
            }
            const FormulaValue read = asNumber(value);
            if (read.isError())
                return read;
            numbers.push_back(read.number);
        }
        return std::nullopt;
    }

    // Truth values of the arguments, ranges included; texts in ranges are passed over.
    std::optional<FormulaValue> collectTruths(const FormulaNode& node, std::vector<bool>& truths) const {
        for (const FormulaNode& argument : node.children) {
            const FormulaValue value = evaluate(argument);
            if (value.kind == Kind::Range) {
                std::optional<FormulaValue> error;
                m_context.forEachValue(value.sheet, value.range, [&](const FormulaValue& cell) {
                    if (cell.isError() && !error)
                        error = cell;
                    else if (cell.kind == Kind::Number || cell.kind == Kind::Boolean)
                        truths.push_back(cell.number != 0.0);
                });
                if (error)
                    return error;
                continue;
            }
            if (value.isError())
                return value;
            if (value.kind == Kind::Text) {
                if (value.text.compare(u"TRUE", Qt::CaseInsensitive) == 0 ||
                    value.text.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
                    truths.push_back(value.text.size() == 4);
                    continue;
                }
                return FormulaValue::ofError(formulaError::value);
            }
            truths.push_back(value.number != 0.0);
        }
        return std::nullopt;
    }

    FormulaValue mathFunction(const FormulaNode& node, double (*function)(double), bool positive,
                              bool nonNegative) const {
        if (node.children.size() != 1)
            return FormulaValue::ofError(formulaError::value);
        const FormulaValue x = number(node.children[0]);
        if (x.isError())
            return x;
        if ((positive && x.number <= 0.0) || (nonNegative && x.number < 0.0))
            return FormulaValue::ofError(formulaError::number);
        return numberOrError(function(x.number));
    }

    FormulaValue call(const FormulaNode& node) const {
        using Function = FormulaFunction;
        const Function name = node.function;
        const std::size_t count = node.children.size();
        if (name == Function::Sum || name == Function::Average || name == Function::Min ||
            name == Function::Max) {
            std::vector<double> numbers;
            if (const std::optional<FormulaValue> error = collectNumbers(node, numbers))
                return *error;
            if (name == Function::Sum || name == Function::Average) {
                double sum = 0.0;
                for (const double value : numbers)
                    sum += value;
                if (name == Function::Sum)
                    return numberOrError(sum);
                return numbers.empty() ? FormulaValue::ofError(formulaError::divisionByZero)
                                       : numberOrError(sum / double(numbers.size()));
            }
            if (numbers.empty())
                return FormulaValue::ofNumber(0.0);
            return FormulaValue::ofNumber(name == Function::Min
                                              ? *std::min_element(numbers.begin(), numbers.end())
                                              : *std::max_element(numbers.begin(), numbers.end()));
        }
        if (name == Function::And || name == Function::Or) {
            std::vector<bool> truths;
            if (const std::optional<FormulaValue> error = collectTruths(node, truths))
                return *error;
            if (truths.empty())
                return FormulaValue::ofError(formulaError::value);
            const bool all = std::all_of(truths.begin(), truths.end(), [](bool b) { return b; });
            const bool any = std::any_of(truths.begin(), truths.end(), [](bool b) { return b; });
            return FormulaValue::ofBoolean(name == Function::And ? all : any);
        }
        if (name == Function::If) {
            if (count < 2 || count > 3)
                return FormulaValue::ofError(formulaError::value);
            const FormulaValue condition = scalar(node.children[0]);
            if (condition.isError())
                return condition;
            bool yes = false;
            if (condition.kind == Kind::Text) {
                if (condition.text.compare(u"TRUE", Qt::CaseInsensitive) != 0 &&
                    condition.text.compare(u"FALSE", Qt::CaseInsensitive) != 0)
                    return FormulaValue::ofError(formulaError::value);
                yes = condition.text.size() == 4;
            } else {
                yes = condition.number != 0.0;
            }
            if (yes)
                return scalar(node.children[1]);
            return count == 3 ? scalar(node.children[2]) : FormulaValue::ofBoolean(false);
        }
        if (name == Function::Round) {
            if (count != 2)
                return FormulaValue::ofError(formulaError::value);
            const FormulaValue x = number(node.children[0]);
            const FormulaValue digits = number(node.children[1]);
            if (x.isError())
                return x;
            if (digits.isError())
                return digits;
            const double places = std::trunc(std::clamp(digits.number, -308.0, 308.0));
            const double factor = std::pow(10.0, places);
            // Halves go away from zero, taken as written: 2.675 is 267.5 hundredths, not 267.4999…
            const double scaled = std::round(QString::number(x.number * factor, 'g', 15).toDouble());
            return numberOrError(scaled / factor);
        }
        if (name == Function::Now || name == Function::Today) {
            if (count != 0)
                return FormulaValue::ofError(formulaError::value);
            return FormulaValue::ofNumber(name == Function::Now ? m_context.now()
                                                                : std::floor(m_context.now()));
        }
        if (name == Function::Pi)
            return count == 0 ? FormulaValue::ofNumber(M_PI) : FormulaValue::ofError(formulaError::value);
        if (name == Function::Text) {
            if (count != 2)
                return FormulaValue::ofError(formulaError::value);
            const FormulaValue value = scalar(node.children[0]);
            const FormulaValue format = scalar(node.children[1]);
            if (value.isError())
                return value;
            if (format.isError())
                return format;
            const FormulaValue read = asNumber(value);
            if (read.isError())
                return FormulaValue::ofText(asText(value));
            return FormulaValue::ofText(formatWithCode(read.number, asText(format), QLocale::c()));
        }
        if (name == Function::Concatenate) {
            QString text;
            for (const FormulaNode& argument : node.children) {
                const FormulaValue value = scalar(argument);
                if (value.isError())
                    return value;
                text += asText(value);
            }
            return FormulaValue::ofText(text);
        }
        if (name == Function::Abs)
            return mathFunction(
                node, [](double x) { return std::fabs(x); }, false, false);
        if (name == Function::Sqrt)
            return mathFunction(
                node, [](double x) { return std::sqrt(x); }, false, true);
        if (name == Function::Ln)
            return mathFunction(
                node, [](double x) { return std::log(x); }, true, false);
        if (name == Function::Log10)
            return mathFunction(
                node, [](double x) { return std::log10(x); }, true, false);
        if (name == Function::Exp)
            return mathFunction(
                node, [](double x) { return std::exp(x); }, false, false);
        return FormulaValue::ofError(formulaError::name);
    }

private:
    int m_sheet;
    const FormulaContext& m_context;
};

// Whether the expression is a call of NOW() or TODAY(), whose results show as a moment or a day.
std::optional<NumberFormatShape> impliedShape(const FormulaNode& node) {
    if (node.kind != FormulaNode::Kind::Call)
        return std::nullopt;
    if (node.function == FormulaFunction::Now)
        return NumberFormatShape{NumberFormatShape::Kind::DateTime, 0};
    if (node.function == FormulaFunction::Today)
        return NumberFormatShape{NumberFormatShape::Kind::Date, 0};
    return std::nullopt;
}

} // namespace

bool isComputableFormula(const QString& formula) {
    if (!formula.startsWith(u'='))
        return false;
    const std::optional<FormulaNode> node = parseFormula(QStringView(formula).mid(1));
    if (!node || !callsKnownFunctions(*node))
        return false;
    const bool comparison = node->kind == FormulaNode::Kind::Binary && node->op >= FormulaOperator::Equal &&
                            node->op <= FormulaOperator::GreaterOrEqual;
    const bool truth = node->kind == FormulaNode::Kind::Boolean ||
                       (node->kind == FormulaNode::Kind::Call &&
                        (node->function == FormulaFunction::And || node->function == FormulaFunction::Or));
    return !comparison && !truth;
}

std::optional<double> cellNumber(const QString& text) {
    // Ranges read many texts, so the digits are read without the locale machinery, and a text is trimmed
    // only when it has spaces to lose; most texts that are no number say so at their first character.
    const bool padded = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
    const QStringView trimmed = padded ? QStringView(text).trimmed() : QStringView(text);
    if (trimmed.isEmpty() || trimmed.size() > 64 ||
        !(trimmed[0].isDigit() || QStringView(u"+-.,").contains(trimmed[0])))
        return std::nullopt;
    char digits[64];
    int count = 0;
    bool comma = false;
    for (const QChar c : trimmed.mid(trimmed[0] == u'+' ? 1 : 0)) {
        if (c.unicode() > 127)
            return std::nullopt;
        comma = comma || c == u',';
        digits[count++] = c == u',' ? '.' : char(c.unicode());
    }
    // A decimal comma, as German users type it, and only one of them: "1,234.5" is no number here.
    if (comma && (trimmed.contains(u'.') || trimmed.count(u',') > 1))
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits, digits + count, value);
    if (error != std::errc() || end != digits + count || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::pair<int, CellRange>> resolveReference(const FormulaReference& reference, int sheet,
                                                          const FormulaContext& context) {
    if (reference.sheet.isEmpty())
        return std::pair(sheet, reference.range());
    const std::optional<int> index = context.sheetIndex(reference.sheet);
    if (!index)
        return std::nullopt;
    return std::pair(*index, reference.range());
}

FormulaValue evaluateFormula(const FormulaNode& node, int sheet, const FormulaContext& context) {
    return Evaluator(sheet, context).scalar(node);
}

QString shownText(const FormulaValue& value, const QString& numberFormat, const FormulaNode& node) {
    switch (value.kind) {
    case FormulaValue::Kind::Number:
        // Results are texts of the sheet: "." as the decimal point whatever the locale.
        if (!numberFormat.isEmpty())
            return formatWithCode(value.number, numberFormat, QLocale::c());
        return numberText(value.number, impliedShape(node).value_or(NumberFormatShape()), false);
    case FormulaValue::Kind::Empty:
        return QStringLiteral("0");
    default:
        return Evaluator::asText(value);
    }
}

} // namespace velmora::sheet
