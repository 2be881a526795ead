#include "sheet/formula/FormulaTokens.h"

#include "sheet/model/Sheet.h"

namespace velmora::sheet {

namespace {

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_';
}

bool isNamePart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}

// "$B$7" at `i`: its part and the position after it, or nothing.
std::optional<CellReferencePart> cellPart(QStringView text, qsizetype& i) {
    qsizetype at = i;
    CellReferencePart part;
    part.fixedColumn = at < text.size() && text[at] == u'$';
    at += part.fixedColumn;
    long long column = 0;
    const qsizetype letters = at;
    while (at < text.size() && at - letters < 3 && text[at].toUpper() >= u'A' && text[at].toUpper() <= u'Z')
        column = column * 26 + (text[at++].toUpper().unicode() - u'A' + 1);
    if (at == letters)
        return std::nullopt;
    part.fixedRow = at < text.size() && text[at] == u'$';
    at += part.fixedRow;
    long long row = 0;
    const qsizetype digits = at;
    while (at < text.size() && text[at].isDigit() && at - digits < 7)
        row = row * 10 + text[at++].digitValue();
    if (at == digits || row < 1 || row > maxRows || column > maxColumns)
        return std::nullopt;
    // A name goes on where a reference ends ("A1B", "LOG10(" is a function).
    if (at < text.size() && (isNamePart(text[at]) || text[at] == u'('))
        return std::nullopt;
    part.row = int(row);
    part.column = int(column);
    i = at;
    return part;
}

// A reference at `i`, with the sheet already read: one cell or two with ":" between.
std::optional<FormulaReference> reference(QStringView text, qsizetype& i, const QString& sheet) {
    qsizetype at = i;
    const std::optional<CellReferencePart> first = cellPart(text, at);
    if (!first)
        return std::nullopt;
    FormulaReference found{sheet, *first, *first};
    if (at < text.size() && text[at] == u':') {
        qsizetype next = at + 1;
        const std::optional<CellReferencePart> last = cellPart(text, next);
        if (!last)
            return std::nullopt;
        found.last = *last;
        at = next;
    }
    i = at;
    return found;
}

const QString operators2[] = {QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>")};
const QString errors[] = {QStringLiteral("#DIV/0!"), QStringLiteral("#NAME?"), QStringLiteral("#REF!"),
                          QStringLiteral("#VALUE!"), QStringLiteral("#NUM!"),  QStringLiteral("#N/A")};

QString cellPartText(const CellReferencePart& part) {
    return (part.fixedColumn ? QStringLiteral("$") : QString()) + columnName(part.column) +
           (part.fixedRow ? QStringLiteral("$") : QString()) + QString::number(part.row);
}

bool needsQuotes(const QString& sheet) {
    if (sheet.isEmpty() || !isNameStart(sheet[0]))
        return true;
    for (const QChar c : sheet)
        if (!isNamePart(c))
            return true;
    qsizetype i = 0;
    return cellPart(sheet, i).has_value(); // a sheet named like a cell
}

} // namespace

CellRange FormulaReference::range() const {
    return {std::min(first.row, last.row), std::min(first.column, last.column), std::max(first.row, last.row),
            std::max(first.column, last.column)};
}

std::optional<std::vector<FormulaToken>> tokenizeFormula(QStringView text) {
    std::vector<FormulaToken> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        FormulaToken token;
        token.start = i;
        if (c.isDigit() || (c == u'.' && i + 1 < text.size() && text[i + 1].isDigit())) {
            qsizetype end = i;
            while (end < text.size() && (text[end].isDigit() || text[end] == u'.'))
                ++end;
            if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
                qsizetype exponent = end + 1;
                if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
                    ++exponent;
                if (exponent < text.size() && text[exponent].isDigit()) {
                    end = exponent;
                    while (end < text.size() && text[end].isDigit())
                        ++end;
                }
            }
            bool ok = false;
            token.number = text.mid(i, end - i).toDouble(&ok);
            if (!ok)
                return std::nullopt;
            token.kind = FormulaToken::Kind::Number;
            i = end;
        } else if (c == u'"') {
            token.kind = FormulaToken::Kind::Text;
            ++i;
            for (;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"') {
                        token.text += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                token.text += text[i];
            }
        } else if (c == u'\'') {
            // A quoted sheet name, then "!" and a reference.
            QString sheet;
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == u'\'') {
                    if (i + 1 < text.size() && text[i + 1] == u'\'') {
                        sheet += u'\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                sheet += text[i];
            }
            if (i >= text.size() || text[i] != u'!')
                return std::nullopt;
            ++i;
            const std::optional<FormulaReference> found = reference(text, i, sheet);
            if (!found)
                return std::nullopt;
            token.kind = FormulaToken::Kind::Reference;
            token.reference = *found;
        } else if (c == u'#') {
            const auto error = std::find_if(std::begin(errors), std::end(errors), [&](const QString& e) {
                return text.mid(i).startsWith(e, Qt::CaseInsensitive);
            });
            if (error == std::end(errors))
                return std::nullopt;
            token.kind = FormulaToken::Kind::Error;
            token.text = *error;
            i += error->size();
        } else if (c == u'$' || isNameStart(c)) {
            if (std::optional<FormulaReference> found = reference(text, i, QString())) {
                token.kind = FormulaToken::Kind::Reference;
                token.reference = *found;
            } else {
                qsizetype end = i;
                while (end < text.size() && isNamePart(text[end]))
                    ++end;
                if (end == i)
                    return std::nullopt;
                const QString name = text.mid(i, end - i).toString();
                if (end < text.size() && text[end] == u'!') {
                    qsizetype after = end + 1;
                    const std::optional<FormulaReference> found = reference(text, after, name);
                    if (!found)
                        return std::nullopt;
                    token.kind = FormulaToken::Kind::Reference;
                    token.reference = *found;
                    i = after;
                } else {
                    token.kind = FormulaToken::Kind::Name;
                    token.text = name;
                    i = end;
                }
            }
        } else if (c == u'(' || c == u')') {
            token.kind = c == u'(' ? FormulaToken::Kind::Open : FormulaToken::Kind::Close;
            ++i;
        } else if (c == u',' || c == u';') {
            token.kind = FormulaToken::Kind::Separator;
            ++i;
        } else {
            token.kind = FormulaToken::Kind::Operator;
            const auto pair = std::find_if(std::begin(operators2), std::end(operators2),
                                           [&](const QString& op) { return text.mid(i).startsWith(op); });
            if (pair != std::end(operators2)) {
                token.text = *pair;
            } else if (QStringView(u"+-*/^&=<>%").contains(c)) {
                token.text = c;
            } else {
                return std::nullopt;
            }
            i += token.text.size();
        }
        token.length = i - token.start;
        tokens.push_back(std::move(token));
    }
    return tokens;
}

QString referenceText(const FormulaReference& reference) {
    QString text;
    if (!reference.sheet.isEmpty())
        text = (needsQuotes(reference.sheet)
                    ? u'\'' + QString(reference.sheet).replace(u'\'', QStringLiteral("''")) + u'\''
                    : reference.sheet) +
               u'!';
    text += cellPartText(reference.first);
    if (reference.last != reference.first)
        text += u':' + cellPartText(reference.last);
    return text;
}

QString
rewriteReferences(const QString& formula,
                  const std::function<std::optional<FormulaReference>(const FormulaReference&)>& change) {
    if (!formula.startsWith(u'='))
        return formula;
    const QStringView expression = QStringView(formula).mid(1);
    const std::optional<std::vector<FormulaToken>> tokens = tokenizeFormula(expression);
    if (!tokens)
        return formula;
    QString result = QStringLiteral("=");
    qsizetype done = 0;
    for (const FormulaToken& token : *tokens) {
        if (token.kind != FormulaToken::Kind::Reference)
            continue;
        result += expression.mid(done, token.start - done);
        const std::optional<FormulaReference> changed = change(token.reference);
        result += changed ? referenceText(*changed) : QStringLiteral("#REF!");
        done = token.start + token.length;
    }
    return result + expression.mid(done).toString();
}

QString formulaWithCommas(const QString& formula) {
    const std::optional<std::vector<FormulaToken>> tokens = tokenizeFormula(QStringView(formula).mid(1));
    if (!formula.startsWith(u'=') || !tokens)
        return formula;
    QString result = formula;
    for (const FormulaToken& token : *tokens)
        if (token.kind == FormulaToken::Kind::Separator)
            result[token.start + 1] = u',';
    return result;
}

QString movedFormula(const QString& formula, int rows, int columns) {
    const auto move = [&](CellReferencePart& part) {
        if (!part.fixedRow)
            part.row += rows;
        if (!part.fixedColumn)
            part.column += columns;
        return part.row >= 1 && part.row <= maxRows && part.column >= 1 && part.column <= maxColumns;
    };
    return rewriteReferences(formula, [&](FormulaReference reference) -> std::optional<FormulaReference> {
        if (!move(reference.first) || !move(reference.last))
            return std::nullopt;
        return reference;
    });
}

} // namespace velmora::sheet
