#include "common/OrderedJson.h"

#include <cmath>

namespace velmora {

namespace {

constexpr int maxDepth = 64;

class Parser {
public:
    explicit Parser(QByteArrayView text) : m_text(text) {}

    std::optional<JsonValue> document(QString& error) {
        JsonValue value;
        if (!parseValue(value, 0) || (skipSpace(), m_at != m_text.size())) {
            error = QStringLiteral("Kein gültiges JSON (Byte %1).").arg(m_at);
            return std::nullopt;
        }
        return value;
    }

private:
    void skipSpace() {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    bool take(char c) {
        skipSpace();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool word(QByteArrayView literal) {
        if (!m_text.sliced(m_at).startsWith(literal))
            return false;
        m_at += literal.size();
        return true;
    }

    bool parseValue(JsonValue& value, int depth) {
        if (depth > maxDepth)
            return false;
        skipSpace();
        if (m_at >= m_text.size())
            return false;
        switch (m_text[m_at]) {
        case '{':
            return parseObject(value, depth);
        case '[':
            return parseArray(value, depth);
        case '"':
            value.type = JsonValue::Type::String;
            return parseString(value.string);
        case 't':
            value.type = JsonValue::Type::Bool;
            value.boolean = true;
            return word("true");
        case 'f':
            value.type = JsonValue::Type::Bool;
            return word("false");
        case 'n':
            return word("null");
        default:
            return parseNumber(value);
        }
    }

    bool parseObject(JsonValue& value, int depth) {
        ++m_at;
        value.type = JsonValue::Type::Object;
        if (take('}'))
            return true;
        do {
            skipSpace();
            QString name;
            JsonValue member;
            if (m_at >= m_text.size() || m_text[m_at] != '"' || !parseString(name) || !take(':') ||
                !parseValue(member, depth + 1))
                return false;
            value.object.push_back(JsonMember{std::move(name), std::move(member)});
        } while (take(','));
        return take('}');
    }

    bool parseArray(JsonValue& value, int depth) {
        ++m_at;
        value.type = JsonValue::Type::Array;
        if (take(']'))
            return true;
        do {
            JsonValue element;
            if (!parseValue(element, depth + 1))
                return false;
            value.array.push_back(std::move(element));
        } while (take(','));
        return take(']');
    }

    bool hex4(char16_t& unit) {
        if (m_at + 4 > m_text.size())
            return false;
        bool ok = false;
        unit = char16_t(QByteArray(m_text.sliced(m_at, 4).data(), 4).toUShort(&ok, 16));
        m_at += 4;
        return ok;
    }

    bool parseString(QString& out) {
        ++m_at; // the opening quote
        QByteArray utf8;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') {
                out += QString::fromUtf8(utf8);
                return true;
            }
            if (uchar(c) < 0x20)
                return false;
            if (c != '\\') {
                utf8 += c;
                continue;
            }
            if (m_at >= m_text.size())
                return false;
            const char escape = m_text[m_at++];
            static const QByteArrayView simple = "\"\\/bfnrt";
            static const char replacement[] = "\"\\/\b\f\n\r\t";
            if (const qsizetype index = simple.indexOf(escape); index >= 0) {
                utf8 += replacement[index];
            } else if (escape == 'u') {
                char16_t unit = 0;
                if (!hex4(unit))
                    return false;
                out += QString::fromUtf8(utf8);
                utf8.clear();
                out += QChar(unit); // a surrogate pair comes as two units, which QString joins
            } else {
                return false;
            }
        }
        return false;
    }

    bool parseNumber(JsonValue& value) {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && QByteArrayView("+-0123456789.eE").contains(m_text[m_at]))
            ++m_at;
        bool ok = false;
        value.type = JsonValue::Type::Number;
        value.number = QByteArray(m_text.sliced(start, m_at - start).data(), m_at - start).toDouble(&ok);
        return ok && m_at > start && std::isfinite(value.number);
    }

    QByteArrayView m_text;
    qsizetype m_at = 0;
};

} // namespace

const JsonValue* JsonValue::member(QStringView name) const {
    for (const auto& [key, value] : object)
        if (key == name)
            return &value;
    return nullptr;
}

std::optional<JsonValue> parseOrderedJson(QByteArrayView text, QString& error) {
    return Parser(text).document(error);
}

} // namespace velmora
