#include "sheet/formats/PlainNumber.h"

#include <QRegularExpression>

namespace velmora::sheet {

std::optional<PlainNumber> plainNumber(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^-?(0|[1-9][0-9]{0,14})(\\.([0-9]{1,15}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int decimals = int(match.capturedLength(3));
    if (match.capturedLength(1) + decimals > 15)
        return std::nullopt;
    const double value = text.toDouble();
    // "-0.000" would be shown without its sign.
    if (value == 0.0 && text.startsWith(u'-'))
        return std::nullopt;
    return PlainNumber{value, decimals};
}

QString decimalFormat(int decimals) {
    return decimals == 0 ? QString() : QStringLiteral("0.") + QString(decimals, u'0');
}

} // namespace velmora::sheet
