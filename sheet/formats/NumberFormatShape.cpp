#include "sheet/formats/NumberFormatShape.h"

#include <cmath>
#include <QDateTime>
#include <QRegularExpression>

namespace velmora::sheet {

namespace {

// The format letters outside quoted texts, escapes, fill and padding characters and bracketed
// conditions, colours or locales; elapsed-time brackets such as "[h]" keep their letters.
QString formatLetters(const QString& code) {
    QString letters;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u';')
            break; // the first section decides
        if (c == u'"') {
            const qsizetype close = code.indexOf(u'"', i + 1);
            i = close < 0 ? code.size() : close;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i + 1);
            const QString inside = code.mid(i + 1, close < 0 ? -1 : close - i - 1).toLower();
            if (!inside.isEmpty() && inside.count(inside[0]) == inside.size() &&
                QStringLiteral("hms").contains(inside[0]))
                letters += inside;
            i = close < 0 ? code.size() : close;
        } else {
            letters += c.toLower();
        }
    }
    return letters;
}

constexpr double lastSerialDay = 2958465.0; // 9999-12-31

} // namespace

NumberFormatShape shapeOfFormat(const QString& code) {
    static const QRegularExpression plainDecimals(QStringLiteral("^0(\\.(0+))?$"));
    if (const QRegularExpressionMatch match = plainDecimals.match(code); match.hasMatch())
        return {NumberFormatShape::Kind::Decimals, int(match.capturedLength(2))};
    const QString letters = formatLetters(code);
    if (letters.contains(QStringLiteral("general")) || letters.contains(QStringLiteral("standard")))
        return {};
    const bool date = letters.contains(u'y') || letters.contains(u'd');
    const bool time = letters.contains(u'h') || letters.contains(u's');
    // "m" alone is a month; beside hours or seconds it is minutes.
    if (date && time)
        return {NumberFormatShape::Kind::DateTime};
    if (date || (letters.contains(u'm') && !time))
        return {NumberFormatShape::Kind::Date};
    if (time)
        return {NumberFormatShape::Kind::Time};
    return {};
}

NumberFormatShape shapeOfBuiltInFormat(int index) {
    using Kind = NumberFormatShape::Kind;
    switch (index) {
    case 1:
        return {Kind::Decimals, 0};
    case 2:
        return {Kind::Decimals, 2};
    case 14:
    case 15:
    case 16:
    case 17:
        return {Kind::Date};
    case 18:
    case 19:
    case 20:
    case 21:
    case 45:
    case 46:
    case 47:
        return {Kind::Time};
    case 22:
        return {Kind::DateTime};
    default:
        return {};
    }
}

QString numberText(double value, NumberFormatShape shape, bool epoch1904) {
    using Kind = NumberFormatShape::Kind;
    if (shape.kind == Kind::Decimals)
        return QString::number(value, 'f', shape.decimals);
    if (shape.kind == Kind::General || !std::isfinite(value) || value < 0.0 || value > lastSerialDay)
        return QString::number(value, 'g', 15);
    double days = std::floor(value);
    qint64 seconds = std::llround((value - days) * 86400.0);
    if (seconds == 86400) {
        days += 1.0;
        seconds = 0;
    }
    // The 1900 epoch counts a 29 February 1900 that never was: day 60, and days after it are one too many.
    const QDate date = epoch1904     ? QDate(1904, 1, 1).addDays(qint64(days))
                       : days < 60.0 ? QDate(1899, 12, 31).addDays(qint64(days))
                                     : QDate(1899, 12, 30).addDays(qint64(days));
    const QString dateText = date.toString(QStringLiteral("yyyy-MM-dd"));
    const QString timeText = QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("HH:mm:ss"));
    switch (shape.kind) {
    case Kind::Date:
        return dateText;
    case Kind::Time:
        return timeText;
    default:
        return dateText + u' ' + timeText;
    }
}

} // namespace velmora::sheet
