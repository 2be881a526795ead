#include "common/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <QLocale>
#include <string>

namespace velmora {

namespace {

constexpr int maxParses = 200;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// One parse of the standard number syntax: optional leading blanks, optional sign, digits and, for
// decimal syntax, an optional fraction and exponent. Returns the index of the first character that does
// not fit (-1 when the whole text fits) and the ASCII form of the number in `number`.
qsizetype scanNumber(const QString& text, bool decimal, std::string& number) {
    number.clear();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && text[i] == u' ')
        ++i;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    qsizetype digits = 0;
    while (i < size && isDigit(text[i])) {
        number += char(text[i].unicode());
        ++i;
        ++digits;
    }
    if (decimal && i < size && text[i] == u'.') {
        qsizetype fraction = i + 1;
        std::string fractionDigits;
        while (fraction < size && isDigit(text[fraction]))
            fractionDigits += char(text[fraction++].unicode());
        if (digits + qsizetype(fractionDigits.size()) > 0) {
            number += '.';
            number += fractionDigits;
            digits += qsizetype(fractionDigits.size());
            i = fraction;
        }
    }
    // Without a digit the number is incomplete: blame the character where a digit was due, or the last
    // one when the text ends there.
    if (digits == 0)
        return i < size ? i : size - 1;
    if (decimal && i < size && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype exponent = i + 1;
        std::string exponentText = "e";
        if (exponent < size && (text[exponent] == u'+' || text[exponent] == u'-'))
            exponentText += char(text[exponent++].unicode());
        const qsizetype firstDigit = exponent;
        while (exponent < size && isDigit(text[exponent]))
            exponentText += char(text[exponent++].unicode());
        if (exponent > firstDigit) {
            number += exponentText;
            i = exponent;
        }
    }
    return i == size ? -1 : i;
}

template <typename Number>
std::optional<Number> convert(const std::string& number) {
    Number value{};
    const char* first = number.data();
    const char* last = first + number.size();
    // from_chars takes no plus sign; a minus sign it takes itself.
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

template <typename Number>
std::optional<Number> readRepaired(const QString& text, bool decimal) {
    QString work = text;
    std::string number;
    for (int parses = 1;; ++parses) {
        if (work.isEmpty())
            return std::nullopt;
        const qsizetype misfit = scanNumber(work, decimal, number);
        if (misfit < 0)
            return parses == maxParses ? Number{} : convert<Number>(number);
        if (parses == maxParses)
            return Number{};
        if (work[misfit] == u',')
            work[misfit] = u'.';
        else
            work.remove(misfit, 1);
    }
}

// Fixed point with `decimals` digits, halves rounded away from zero as users expect from a table.
QString fixedPoint(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // Beyond 2^53 every double is a whole number at this scale already.
    if (std::fabs(value) * scale < 0x1p53)
        value = std::round(value * scale) / scale;
    // A value that rounds to zero is shown without sign: "-0.000" reads as a measurement below zero.
    if (value == 0.0)
        value = 0.0;
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

} // namespace

std::optional<double> readNumber(const QString& text) {
    return readRepaired<double>(text, true);
}

std::optional<int> readInteger(const QString& text) {
    return readRepaired<int>(text, false);
}

QString formatNumber(double value) {
    return fixedPoint(value, 3);
}

QString formatPattern(double value, QStringView pattern, const QLocale& locale) {
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPattern = point < 0 ? pattern : pattern.left(point);
    const QStringView fractionPattern = point < 0 ? QStringView() : pattern.mid(point + 1);
    const qsizetype requiredIntegerDigits = integerPattern.count(u'0');
    const qsizetype requiredDecimals = fractionPattern.count(u'0');
    const int maxDecimals = int(requiredDecimals + fractionPattern.count(u'#'));
    const bool grouped = integerPattern.contains(u',');

    const QString digits = fixedPoint(std::fabs(value), maxDecimals);
    const qsizetype digitsPoint = digits.indexOf(u'.');
    QString integerDigits = digitsPoint < 0 ? digits : digits.left(digitsPoint);
    QString decimals = digitsPoint < 0 ? QString() : digits.mid(digitsPoint + 1);

    while (decimals.size() > requiredDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);
    if (integerDigits == u"0" && requiredIntegerDigits == 0)
        integerDigits.clear();
    while (integerDigits.size() < requiredIntegerDigits)
        integerDigits.prepend(u'0');
    if (grouped) {
        for (qsizetype at = integerDigits.size() - 3; at > 0; at -= 3)
            integerDigits.insert(at, locale.groupSeparator());
    }

    QString text = integerDigits;
    if (!decimals.isEmpty())
        text += locale.decimalPoint() + decimals;
    const bool showsNonZero =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c > u'0' && c <= u'9'; });
    if (value < 0 && showsNonZero)
        text.prepend(locale.negativeSign());
    return text;
}

} // namespace velmora
