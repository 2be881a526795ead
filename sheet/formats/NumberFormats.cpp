#include "sheet/formats/NumberFormats.h"

#include "sheet/formats/NumberFormatShape.h"

#include <cmath>
#include <QDateTime>
#include <QRegularExpression>

namespace velmora::sheet {

namespace {

const QString general = QStringLiteral("General");

// The code's literal parts taken out: quoted texts and "\x" escapes.
QString literalsRemoved(const QString& code, QString& before, QString& after) {
    QString core;
    bool inQuote = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"') {
            inQuote = !inQuote;
            continue;
        }
        const bool literal = inQuote || (c == u'\\' && i + 1 < code.size()) || c == u' ';
        if (literal) {
            const QChar shown = c == u'\\' ? code[++i] : c;
            (core.isEmpty() ? before : after) += shown;
            continue;
        }
        core += c;
    }
    return core;
}

QString digitsWith(double value, const QString& pattern, const QLocale& locale) {
    const qsizetype point = pattern.indexOf(u'.');
    const QString decimalsPart = point < 0 ? QString() : pattern.mid(point + 1);
    const int decimals = int(decimalsPart.count(u'0') + decimalsPart.count(u'#'));
    const bool grouped = pattern.left(point < 0 ? pattern.size() : point).contains(u',');
    QLocale shown = locale;
    shown.setNumberOptions(grouped ? QLocale::NumberOptions() : QLocale::OmitGroupSeparator);
    QString text = shown.toString(std::fabs(value), 'f', decimals);
    // Optional decimals ("#") drop their trailing zeros.
    const int required = int(decimalsPart.count(u'0'));
    if (decimals > required) {
        const QChar separator = locale.decimalPoint().at(0);
        const qsizetype at = text.indexOf(separator);
        while (at >= 0 && text.size() - at - 1 > required && text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(separator))
            text.chop(1);
    }
    return value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]"))) ? u'-' + text : text;
}

QString fraction(double value, int maxDenominator, const QLocale& locale) {
    const double whole = std::trunc(value);
    const double rest = std::fabs(value - whole);
    int bestNumerator = 0;
    int bestDenominator = 1;
    double bestError = rest;
    for (int denominator = 1; denominator <= maxDenominator; ++denominator) {
        const int numerator = int(std::lround(rest * denominator));
        const double error = std::fabs(rest - double(numerator) / denominator);
        if (error < bestError - 1e-12) {
            bestError = error;
            bestNumerator = numerator;
            bestDenominator = denominator;
        }
    }
    QString text = locale.toString(qint64(whole));
    if (whole == 0 && value < 0)
        text = QStringLiteral("-0");
    if (bestNumerator == 0 || bestNumerator == bestDenominator)
        return bestNumerator == bestDenominator ? locale.toString(qint64(whole + (value < 0 ? -1 : 1)))
                                                : text;
    return text + QStringLiteral(" %1/%2").arg(bestNumerator).arg(bestDenominator);
}

QString dateTimeWith(double serial, const QString& code, const QLocale& locale) {
    const double days = std::floor(serial);
    const qint64 seconds = std::llround((serial - days) * 86400.0);
    const QDateTime moment(QDate(1899, 12, 30).addDays(qint64(days)),
                           QTime(0, 0).addSecs(int(seconds % 86400)));
    QString text;
    bool afterHour = false;
    for (qsizetype i = 0; i < code.size();) {
        const QChar c = code[i].toLower();
        qsizetype run = 1;
        while (i + run < code.size() && code[i + run].toLower() == c)
            ++run;
        const QString token = code.mid(i, run);
        if (c == u'd')
            text += run >= 4   ? locale.dayName(moment.date().dayOfWeek())
                    : run == 3 ? locale.dayName(moment.date().dayOfWeek(), QLocale::ShortFormat)
                               : QString::number(moment.date().day()).rightJustified(int(run), u'0');
        else if (c == u'y')
            text += run <= 2 ? QString::number(moment.date().year() % 100).rightJustified(2, u'0')
                             : QString::number(moment.date().year());
        else if (c == u'h') {
            text += QString::number(moment.time().hour()).rightJustified(int(run), u'0');
            afterHour = true;
        } else if (c == u's')
            text += QString::number(moment.time().second()).rightJustified(2, u'0');
        else if (c == u'm' && (afterHour || (i + run < code.size() && code.mid(i + run).contains(u's'))))
            text += QString::number(moment.time().minute()).rightJustified(2, u'0');
        else if (c == u'm')
            text += run >= 4   ? locale.monthName(moment.date().month())
                    : run == 3 ? locale.monthName(moment.date().month(), QLocale::ShortFormat)
                               : QString::number(moment.date().month()).rightJustified(int(run), u'0');
        else
            text += token;
        i += run;
    }
    return text;
}

} // namespace

QStringList numberFormatsOf(NumberCategory category) {
    switch (category) {
    case NumberCategory::FixedAndGeneral:
        return {general,
                QStringLiteral("0"),
                QStringLiteral("0.00"),
                QStringLiteral("0.000"),
                QStringLiteral("#,##0"),
                QStringLiteral("#,##0.00"),
                QStringLiteral("0.0##")};
    case NumberCategory::Currency:
        return {QStringLiteral("#,##0 \"€\""), QStringLiteral("#,##0.00 \"€\""),
                QStringLiteral("\"€\" #,##0.00"), QStringLiteral("#,##0.00 \"EUR\"")};
    case NumberCategory::Percent:
        return {QStringLiteral("0%"), QStringLiteral("0.0%"), QStringLiteral("0.00%")};
    case NumberCategory::Fraction:
        return {QStringLiteral("# ?/?"), QStringLiteral("# ?\?/?\?")};
    case NumberCategory::DateAndTime:
        return {QStringLiteral("DD.MM.YYYY"),   QStringLiteral("DD.MM.YY"),
                QStringLiteral("D. MMMM YYYY"), QStringLiteral("DDDD, D. MMMM YYYY"),
                QStringLiteral("MMMM YYYY"),    QStringLiteral("hh:mm"),
                QStringLiteral("hh:mm:ss"),     QStringLiteral("DD.MM.YYYY hh:mm")};
    }
    return {};
}

double sampleValueOf(NumberCategory category, double now) {
    switch (category) {
    case NumberCategory::FixedAndGeneral:
        return 1234.5678;
    case NumberCategory::Currency:
        return -1234.5;
    case NumberCategory::Percent:
        return 0.1234;
    case NumberCategory::Fraction:
        return 1.3125;
    case NumberCategory::DateAndTime:
        return now;
    }
    return 0.0;
}

QString formatWithCode(double value, const QString& code, const QLocale& locale) {
    if (!std::isfinite(value) || code.isEmpty() || code.compare(general, Qt::CaseInsensitive) == 0)
        return numberText(value, {}, false);
    // Colours, conditions and locales in brackets are beyond these formats: what the file readers make of
    // them.
    if (code.contains(u'['))
        return numberText(value, shapeOfFormat(code), false);
    static const QRegularExpression fractionCode(QStringLiteral("^(#\\s*)?(\\?+)/\\?+$"));
    if (const QRegularExpressionMatch match = fractionCode.match(code.trimmed()); match.hasMatch())
        return fraction(value, match.capturedLength(2) > 1 ? 99 : 9, locale);
    QString before;
    QString after;
    const QString core = literalsRemoved(code, before, after);
    if (core.contains(QRegularExpression(QStringLiteral("^[#0,.]+%$"))))
        return before + digitsWith(value * 100.0, core.chopped(1), locale) + u'%' + after;
    if (core.contains(QRegularExpression(QStringLiteral("^[#0,.]+$"))))
        return before + digitsWith(value, core, locale) + after;
    if (code.contains(QRegularExpression(QStringLiteral("[dDyYhHsS]|[mM]"))) && value >= 0.0 &&
        value < 2958466.0)
        return dateTimeWith(value, code, locale);
    return numberText(value, shapeOfFormat(code), false);
}

} // namespace velmora::sheet
