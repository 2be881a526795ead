#include "batch/BatchOutput.h"

#include "common/DelimitedText.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "engine/Calcite.h"

#include <array>
#include <charconv>
#include <QStringList>

namespace velmora {

namespace {

const QStringList csvHeader{QStringLiteral("Analyse"), QStringLiteral("pH(tb)"),
                            QStringLiteral("SI"),      QStringLiteral("pH(SIe)"),
                            QStringLiteral("pHC(tb)"), QStringLiteral("dpH"),
                            QStringLiteral("D"),       QStringLiteral("Bewertung"),
                            QStringLiteral("pHe"),     QStringLiteral("KS43"),
                            QStringLiteral("KB82"),    QStringLiteral("DIC"),
                            QStringLiteral("mWert"),   QStringLiteral("Ionenbilanzfehler"),
                            QStringLiteral("Status")};

QString verdictText(const CalciteAssessment& calcite) {
    return QString::fromUtf8(calcite.verdict.data(), qsizetype(calcite.verdict.size()));
}

QString statusText(const BatchResult& result) {
    if (result.failed())
        return result.error;
    return result.converged ? QStringLiteral("ok")
                            : QStringLiteral("ok, aber eine pH-Suche hat ihre Genauigkeit nicht erreicht");
}

QStringList csvFields(const BatchResult& result, QChar decimalSeparator) {
    QStringList fields{result.header.name()};
    if (result.engine) {
        const EngineState& e = *result.engine;
        const CalciteAssessment calcite = assessCalcite(e.results);
        using units::molToMmol;
        const auto number = [decimalSeparator](double value) {
            return formatNumber(value).replace(u'.', decimalSeparator);
        };
        fields << number(e.results[1][slot::pH]) << number(e.results[1][slot::si])
               << number(e.results[2][slot::pH]) << number(e.results[3][slot::pH])
               << number(calcite.phDifference) << number(calcite.dissolutionCapacity) << verdictText(calcite)
               << number(e.water.pHm) << number(molToMmol(e.water.ks43)) << number(molToMmol(e.water.kb82))
               << number(molToMmol(e.water.dic)) << number(molToMmol(e.water.mValue))
               << number(e.results[1][slot::ionBalanceError]);
    }
    while (fields.size() < csvHeader.size() - 1)
        fields << QString();
    fields << statusText(result);
    return fields;
}

QString jsonString(const QString& text) {
    QString escaped = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            escaped += u'\\' + QString(c);
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c.unicode() < 0x20)
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            escaped += c;
    }
    return escaped + u'"';
}

QString jsonNumber(double value) {
    std::array<char, 32> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 17)
            .ptr;
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

QString jsonSlot(const ResultSlot& values) {
    QStringList numbers;
    for (double value : values)
        numbers << jsonNumber(value);
    return u'[' + numbers.join(u',') + u']';
}

QString jsonObject(const BatchResult& result) {
    QStringList members{QStringLiteral("\"Analyse\":") + jsonString(result.header.name())};
    const auto add = [&members](const char* key, const QString& value) {
        members << jsonString(QString::fromLatin1(key)) + u':' + value;
    };
    if (result.engine) {
        const EngineState& e = *result.engine;
        const WaterState& w = e.water;
        const CalciteAssessment calcite = assessCalcite(e.results);
        add("slots", QStringLiteral("[%1,%2,%3]")
                         .arg(jsonSlot(e.results[1]), jsonSlot(e.results[2]), jsonSlot(e.results[3])));
        add("lastMethod", QString::number(e.lastMethod));
        const std::pair<const char*, double> quantities[] = {
            {"pHm", w.pHm},
            {"ks43", w.ks43},
            {"kb82", w.kb82},
            {"dic", w.dic},
            {"mValue", w.mValue},
            {"caEq", w.caEq},
            {"dicEq", w.dicEq},
            {"mValueEq", w.mValueEq},
            {"pHEq", w.pHEq},
            {"D", calcite.dissolutionCapacity},
            {"dpH", calcite.phDifference},
        };
        for (const auto& [key, value] : quantities)
            add(key, jsonNumber(value));
        add("verdict", jsonString(verdictText(calcite)));
        add("converged", result.converged ? QStringLiteral("true") : QStringLiteral("false"));
    }
    add("error", result.failed() ? jsonString(result.error) : QStringLiteral("null"));
    return u'{' + members.join(u',') + u'}';
}

} // namespace

BatchResultWriter BatchResultWriter::csv(QChar separator, QChar decimalSeparator) {
    BatchResultWriter writer;
    writer.separator = separator;
    writer.decimalSeparator = decimalSeparator;
    return writer;
}

BatchResultWriter BatchResultWriter::json() {
    BatchResultWriter writer;
    writer.asJson = true;
    return writer;
}

QString BatchResultWriter::begin() const {
    return asJson ? QStringLiteral("[\n") : csvHeader.join(separator) + u'\n';
}

QString BatchResultWriter::write(const std::vector<BatchResult>& results) {
    QString text;
    for (const BatchResult& result : results) {
        if (asJson) {
            if (written > 0)
                text += QStringLiteral(",\n");
            text += jsonObject(result);
        } else {
            QStringList fields = csvFields(result, decimalSeparator);
            for (QString& field : fields)
                field = quoteDelimited(field, separator);
            text += fields.join(separator) + u'\n';
        }
        ++written;
    }
    return text;
}

QString BatchResultWriter::end() const {
    return asJson ? QStringLiteral("\n]\n") : QString();
}

} // namespace velmora
