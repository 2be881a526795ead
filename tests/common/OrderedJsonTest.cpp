#include "common/OrderedJson.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(OrderedJson, ObjectsKeepTheOrderWritten) {
    QString error;
    const std::optional<JsonValue> value = parseOrderedJson(
        R"( {"z": 1, "a": [true, false, null], "m": {"x": "\u00e4\n\"", "b": -2.5e1}} )", error);
    ASSERT_TRUE(value.has_value()) << error.toStdString();
    ASSERT_EQ(value->object.size(), 3u);
    EXPECT_EQ(value->object[0].name, QStringLiteral("z"));
    EXPECT_EQ(value->object[1].name, QStringLiteral("a"));
    EXPECT_EQ(value->object[2].name, QStringLiteral("m"));
    EXPECT_EQ(value->member(u"z")->number, 1.0);
    EXPECT_TRUE(value->member(u"a")->array[0].boolean);
    EXPECT_EQ(value->member(u"a")->array[2].type, JsonValue::Type::Null);
    const JsonValue& inner = *value->member(u"m");
    EXPECT_EQ(inner.object[0].name, QStringLiteral("x"));
    EXPECT_EQ(inner.member(u"x")->string, QStringLiteral("ä\n\""));
    EXPECT_EQ(inner.member(u"b")->number, -25.0);
    EXPECT_EQ(value->member(u"fehlt"), nullptr);
    EXPECT_EQ(parseOrderedJson(R"("Grüße \ud83d\ude00")", error)->string, QStringLiteral("Grüße 😀"));
}

TEST(OrderedJson, DamageAndDeepNestingAreRefused) {
    for (const char* text : {"", "{", "[1,]", "{\"a\" 1}", "tru", "\"offen", "\"\\x\"", "1 2", "{\"a\":1,}",
                             "-", "\"\x01\"", "1e999"}) {
        QString error;
        EXPECT_FALSE(parseOrderedJson(text, error).has_value()) << text;
        EXPECT_TRUE(error.startsWith(QStringLiteral("Kein gültiges JSON"))) << text;
    }
    QString error;
    EXPECT_TRUE(parseOrderedJson(QByteArray(64, '[') + QByteArray(64, ']'), error).has_value());
    EXPECT_FALSE(parseOrderedJson(QByteArray(100000, '[') + QByteArray(100000, ']'), error).has_value());
}
