#include "sheet/formula/FormulaParser.h"

#include <QHash>

namespace velmora::sheet {

namespace {

FormulaNode leaf(FormulaNode::Kind kind, double number = 0.0, const QString& text = {}) {
    FormulaNode node;
    node.kind = kind;
    node.number = number;
    node.text = text;
    return node;
}

// Recursive descent in the usual precedence, loosest first: comparison, "&", "+ -", "* /", "^", "%",
// unary sign. Throws nothing: a failure leaves `failed` set.
class Parser {
public:
    explicit Parser(std::vector<FormulaToken> tokens) : m_tokens(std::move(tokens)) {}

    std::optional<FormulaNode> parse() {
        FormulaNode node = comparison();
        if (m_failed || m_at != m_tokens.size())
            return std::nullopt;
        return node;
    }

private:
    const FormulaToken* peek() const { return m_at < m_tokens.size() ? &m_tokens[m_at] : nullptr; }

    bool isOperator(std::initializer_list<const char16_t*> texts) const {
        const FormulaToken* token = peek();
        if (!token || token->kind != FormulaToken::Kind::Operator)
            return false;
        for (const char16_t* text : texts)
            if (token->text == QStringView(text))
                return true;
        return false;
    }

    FormulaNode fail() {
        m_failed = true;
        return {};
    }

    FormulaNode binary(FormulaNode left, const QString& op, FormulaNode right) {
        static const QHash<QString, FormulaOperator> operators{
            {QStringLiteral("="), FormulaOperator::Equal},
            {QStringLiteral("<>"), FormulaOperator::NotEqual},
            {QStringLiteral("<"), FormulaOperator::Less},
            {QStringLiteral(">"), FormulaOperator::Greater},
            {QStringLiteral("<="), FormulaOperator::LessOrEqual},
            {QStringLiteral(">="), FormulaOperator::GreaterOrEqual},
            {QStringLiteral("&"), FormulaOperator::Concatenate},
            {QStringLiteral("+"), FormulaOperator::Add},
            {QStringLiteral("-"), FormulaOperator::Subtract},
            {QStringLiteral("*"), FormulaOperator::Multiply},
            {QStringLiteral("/"), FormulaOperator::Divide},
            {QStringLiteral("^"), FormulaOperator::Power},
        };
        FormulaNode node = leaf(FormulaNode::Kind::Binary, 0.0, op);
        node.op = operators.value(op);
        node.children.push_back(std::move(left));
        node.children.push_back(std::move(right));
        return node;
    }

    template <typename Next>
    FormulaNode leftAssociative(std::initializer_list<const char16_t*> ops, Next next) {
        FormulaNode left = (this->*next)();
        while (!m_failed && isOperator(ops)) {
            const QString op = m_tokens[m_at++].text;
            left = binary(std::move(left), op, (this->*next)());
        }
        return left;
    }

    FormulaNode comparison() {
        return leftAssociative({u"=", u"<>", u"<", u">", u"<=", u">="}, &Parser::concatenation);
    }
    FormulaNode concatenation() { return leftAssociative({u"&"}, &Parser::additive); }
    FormulaNode additive() { return leftAssociative({u"+", u"-"}, &Parser::multiplicative); }
    FormulaNode multiplicative() { return leftAssociative({u"*", u"/"}, &Parser::power); }
    FormulaNode power() { return leftAssociative({u"^"}, &Parser::percent); }

    FormulaNode percent() {
        FormulaNode node = unary();
        while (!m_failed && isOperator({u"%"})) {
            ++m_at;
            FormulaNode wrapped = leaf(FormulaNode::Kind::Percent);
            wrapped.children.push_back(std::move(node));
            node = std::move(wrapped);
        }
        return node;
    }

    FormulaNode unary() {
        if (isOperator({u"-", u"+"})) {
            const bool negate = m_tokens[m_at++].text == u"-";
            if (++m_depth > maxFormulaDepth)
                return fail();
            FormulaNode operand = unary();
            --m_depth;
            if (!negate)
                return operand;
            FormulaNode node = leaf(FormulaNode::Kind::Negate);
            node.children.push_back(std::move(operand));
            return node;
        }
        return primary();
    }

    FormulaNode primary() {
        const FormulaToken* token = peek();
        if (!token)
            return fail();
        ++m_at;
        switch (token->kind) {
        case FormulaToken::Kind::Number:
            return leaf(FormulaNode::Kind::Number, token->number);
        case FormulaToken::Kind::Text:
            return leaf(FormulaNode::Kind::Text, 0.0, token->text);
        case FormulaToken::Kind::Error:
            return leaf(FormulaNode::Kind::Error, 0.0, token->text);
        case FormulaToken::Kind::Reference: {
            FormulaNode node = leaf(FormulaNode::Kind::Reference);
            node.reference = token->reference;
            return node;
        }
        case FormulaToken::Kind::Open:
            return nested([this] {
                FormulaNode inner = comparison();
                if (!m_failed && !take(FormulaToken::Kind::Close))
                    return fail();
                return inner;
            });
        case FormulaToken::Kind::Name:
            if (peek() && peek()->kind == FormulaToken::Kind::Open)
                return call(token->text.toUpper());
            if (token->text.compare(u"TRUE", Qt::CaseInsensitive) == 0 ||
                token->text.compare(u"FALSE", Qt::CaseInsensitive) == 0)
                return leaf(FormulaNode::Kind::Boolean, token->text.size() == 4 ? 1.0 : 0.0);
            return leaf(FormulaNode::Kind::Name, 0.0, token->text);
        default:
            return fail();
        }
    }

    FormulaNode call(const QString& name) {
        ++m_at; // "("
        return nested([&] {
            FormulaNode node = leaf(FormulaNode::Kind::Call, 0.0, name);
            node.function = functionNamed(name);
            if (take(FormulaToken::Kind::Close))
                return node;
            do {
                node.children.push_back(comparison());
            } while (!m_failed && take(FormulaToken::Kind::Separator));
            if (!m_failed && !take(FormulaToken::Kind::Close))
                return fail();
            return node;
        });
    }

    template <typename Body>
    FormulaNode nested(Body body) {
        if (++m_depth > maxFormulaDepth)
            return fail();
        FormulaNode node = body();
        --m_depth;
        return node;
    }

    bool take(FormulaToken::Kind kind) {
        if (!peek() || peek()->kind != kind)
            return false;
        ++m_at;
        return true;
    }

    std::vector<FormulaToken> m_tokens;
    std::size_t m_at = 0;
    int m_depth = 0;
    bool m_failed = false;
};

} // namespace

FormulaFunction functionNamed(const QString& name) {
    static const QHash<QString, FormulaFunction> functions{
        {QStringLiteral("SUM"), FormulaFunction::Sum},
        {QStringLiteral("AVERAGE"), FormulaFunction::Average},
        {QStringLiteral("MIN"), FormulaFunction::Min},
        {QStringLiteral("MAX"), FormulaFunction::Max},
        {QStringLiteral("ROUND"), FormulaFunction::Round},
        {QStringLiteral("IF"), FormulaFunction::If},
        {QStringLiteral("AND"), FormulaFunction::And},
        {QStringLiteral("OR"), FormulaFunction::Or},
        {QStringLiteral("NOW"), FormulaFunction::Now},
        {QStringLiteral("TODAY"), FormulaFunction::Today},
        {QStringLiteral("TEXT"), FormulaFunction::Text},
        {QStringLiteral("CONCATENATE"), FormulaFunction::Concatenate},
        {QStringLiteral("ABS"), FormulaFunction::Abs},
        {QStringLiteral("SQRT"), FormulaFunction::Sqrt},
        {QStringLiteral("LN"), FormulaFunction::Ln},
        {QStringLiteral("LOG10"), FormulaFunction::Log10},
        {QStringLiteral("EXP"), FormulaFunction::Exp},
        {QStringLiteral("PI"), FormulaFunction::Pi},
    };
    return functions.value(name.toUpper(), FormulaFunction::Unknown);
}

std::optional<FormulaNode> parseFormula(QStringView expression) {
    std::optional<std::vector<FormulaToken>> tokens = tokenizeFormula(expression);
    if (!tokens || tokens->empty() || tokens->size() > maxFormulaTokens)
        return std::nullopt;
    return Parser(std::move(*tokens)).parse();
}

} // namespace velmora::sheet
