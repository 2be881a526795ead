#pragma once

#include <optional>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace velmora {

struct JsonMember;

/// A JSON value whose objects keep their members in the order written, where the order means something
/// (fields a job sets one after the other).
struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    QString string;
    std::vector<JsonValue> array;
    std::vector<JsonMember> object;

    /// The member `name` of an object; nullptr where there is none.
    const JsonValue* member(QStringView name) const;
};

struct JsonMember {
    QString name;
    JsonValue value;
};

/// Reads a JSON text (RFC 8259). Nesting deeper than 64 levels is refused, so a hostile file cannot exhaust
/// the stack. Empty with `error` set for a text that is no JSON.
std::optional<JsonValue> parseOrderedJson(QByteArrayView text, QString& error);

} // namespace velmora
