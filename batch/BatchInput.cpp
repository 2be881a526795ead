#include "batch/BatchInput.h"

#include "common/DelimitedText.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "windows/AnalysisForm.h"

#include <array>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace velmora {

namespace {

// The header texts in the order of the AnalysisHeader.
constexpr std::array<const char16_t*, AnalysisHeader::textCount> textFields{
    u"Analyse", u"Bearbeiter", u"Datum", u"Anmerkung1", u"Anmerkung2"};
constexpr const char16_t* methodField = u"Methode";

bool isNumberField(const QString& name) {
    return std::any_of(analysisFields.begin(), analysisFields.end(),
                       [&name](const AnalysisField& field) { return name == field.name; });
}

bool isKnownField(const QString& name) {
    return name == methodField || isNumberField(name) ||
           std::any_of(textFields.begin(), textFields.end(),
                       [&name](const char16_t* text) { return name == text; });
}

// An analysis from the texts of its fields, checked as the analysis dialog checks its edits. Absent
// header texts and an absent method take the dialog's defaults (read once per file: the date and the
// account do not change between rows); `missing` names an absent number field.
BatchAnalysis buildAnalysis(const QHash<QString, QString>& given, const AnalysisHeader& defaults,
                            const char16_t* missing) {
    BatchAnalysis analysis;
    for (int i = 0; i < AnalysisHeader::textCount; ++i) {
        const QString name = QString::fromUtf16(textFields[i]);
        analysis.header.setText(AnalysisHeader::Text(i),
                                given.value(name, defaults.text(AnalysisHeader::Text(i))));
    }
    // The dialog's first item is selected unless the row names another.
    const QString methodText = given.value(QString::fromUtf16(methodField)).trimmed();
    bool isNumber = true;
    const int method = methodText.isEmpty() ? 1 : methodText.toInt(&isNumber);
    if (!isNumber || method < 1 || method > int(inputMethods.size())) {
        analysis.readError = QStringLiteral("Ungültige Methode „%1“ (erlaubt sind 1 bis 7)").arg(methodText);
        return analysis;
    }
    analysis.method = method;
    for (const AnalysisField& field : analysisFields) {
        const QString name = QString::fromUtf16(field.name);
        if (methodReadsField(analysis.method, field) && !given.contains(name)) {
            analysis.readError = QString::fromUtf16(missing).arg(name);
            return analysis;
        }
    }
    const AnalysisReading reading =
        readAnalysisTexts([&given](const QString& name) { return given.value(name).trimmed(); },
                          analysis.header.name(), analysis.method);
    if (!reading.input) {
        const QString text = given.value(reading.field).trimmed();
        const std::optional<double> value = readNumber(text);
        if (reading.field == QStringView(textFields[0]))
            analysis.readError = reading.message;
        else if (value && *value < 0)
            analysis.readError =
                QStringLiteral("Negative Werte sind nicht zulässig (%1: „%2“)").arg(reading.field, text);
        else
            analysis.readError = QStringLiteral("%1 (%2: „%3“)").arg(reading.message, reading.field, text);
        return analysis;
    }
    analysis.input = *reading.input;
    return analysis;
}

QChar detectSeparator(QStringView headerLine) {
    QChar best = u';';
    qsizetype bestCount = 0;
    for (QChar candidate : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        const qsizetype count = headerLine.count(candidate);
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

bool isBlank(const QStringList& record) {
    for (const QString& field : record)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

// Text has no control characters but tab, line feed and carriage return (a form feed or NUL means a
// binary file, whose cells would only be nonsense).
bool isText(const QByteArray& content) {
    return std::none_of(content.begin(), content.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7f;
    });
}

// The decimal separator most numbers of the file use; "." where the field separator is ",".
QChar decimalSeparatorOf(const QStringList& numbers, QChar fieldSeparator) {
    if (fieldSeparator == u',')
        return u'.';
    qsizetype commas = 0;
    qsizetype points = 0;
    for (const QString& number : numbers) {
        commas += number.contains(u',');
        points += number.contains(u'.');
    }
    return commas > points ? u',' : u'.';
}

// Each unknown name once, in the order of their first appearance.
void noteUnknownFields(const QStringList& names, QStringList& unknown) {
    QSet<QString> noted(unknown.begin(), unknown.end());
    for (const QString& name : names)
        if (!name.isEmpty() && !isKnownField(name) && !noted.contains(name)) {
            noted.insert(name);
            unknown.append(name);
        }
}

} // namespace

BatchInput readCsvAnalyses(const QByteArray& content) {
    if (!isText(content))
        throw BatchInputError(QStringLiteral("Die Datei ist keine Textdatei."));
    const QString text = decodeTextFile(content);
    BatchInput input;
    input.separator = detectSeparator(QStringView(text).left(text.indexOf(u'\n')));
    std::vector<QStringList> records = splitDelimited(text, input.separator);
    std::erase_if(records, isBlank);
    if (records.empty())
        throw BatchInputError(QStringLiteral("Die Datei enthält keine Kopfzeile mit Feldnamen."));

    QStringList header = records.front();
    for (QString& name : header)
        name = name.trimmed();
    noteUnknownFields(header, input.unknownFields);

    QStringList numbers;
    const AnalysisHeader defaults = defaultAnalysisHeader();
    for (std::size_t row = 1; row < records.size(); ++row) {
        const QStringList& record = records[row];
        if (record.size() != header.size()) {
            BatchAnalysis analysis;
            analysis.readError = QStringLiteral("Die Zeile hat %1 Felder, die Kopfzeile %2.")
                                     .arg(record.size())
                                     .arg(header.size());
            input.analyses.push_back(analysis);
            continue;
        }
        QHash<QString, QString> given;
        for (qsizetype column = 0; column < header.size(); ++column) {
            given.insert(header[column], record[column]);
            if (isNumberField(header[column]))
                numbers << record[column];
        }
        input.analyses.push_back(buildAnalysis(given, defaults, u"Spalte %1 fehlt"));
    }
    input.decimalSeparator = decimalSeparatorOf(numbers, input.separator);
    return input;
}

BatchInput readJsonAnalyses(const QByteArray& content) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (document.isNull())
        throw BatchInputError(
            QStringLiteral("Die JSON-Datei ist fehlerhaft (Zeichen %1).").arg(parseError.offset));
    const QJsonArray entries = document.isArray() ? document.array() : QJsonArray{document.object()};

    BatchInput input;
    const AnalysisHeader defaults = defaultAnalysisHeader();
    for (const QJsonValue& entry : entries) {
        if (!entry.isObject()) {
            BatchAnalysis analysis;
            analysis.readError = QStringLiteral("Der Eintrag ist kein JSON-Objekt.");
            input.analyses.push_back(analysis);
            continue;
        }
        const QJsonObject object = entry.toObject();
        noteUnknownFields(object.keys(), input.unknownFields);
        QHash<QString, QString> given;
        QString readError;
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it->isString())
                given.insert(it.key(), it->toString());
            else if (it->isDouble())
                given.insert(it.key(), QString::number(it->toDouble(), 'g', 17));
            else if (!it->isNull() && readError.isEmpty())
                readError = QStringLiteral("Ungültiger Wert für %1: weder Text noch Zahl").arg(it.key());
        }
        BatchAnalysis analysis = buildAnalysis(given, defaults, u"Feld %1 fehlt");
        if (!readError.isEmpty())
            analysis.readError = readError;
        input.analyses.push_back(analysis);
    }
    return input;
}

} // namespace velmora
