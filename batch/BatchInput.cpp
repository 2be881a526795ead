#include "batch/BatchInput.h"

#include "common/DelimitedText.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "windows/AnalysisForm.h"

#include <array>
#include <QBuffer>
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

QChar detectSeparator(QByteArrayView headerLine) {
    QChar best = u';';
    qsizetype bestCount = 0;
    for (char candidate : {';', '\t', ','}) {
        const qsizetype count = headerLine.count(candidate);
        if (count > bestCount) {
            best = QLatin1Char(candidate);
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
bool isText(QByteArrayView bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7f;
    });
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

CsvAnalysisReader::CsvAnalysisReader(QIODevice& device) : device(device) {
    // The code page is the whole file's (UTF-8 only where every line is): the bytes are checked first.
    rewind();
    bool first = true;
    for (QByteArray line; !(line = device.readLine()).isEmpty(); first = false) {
        if (!isText(line))
            throw BatchInputError(QStringLiteral("Die Datei ist keine Textdatei."));
        if (first)
            fieldSeparator = detectSeparator(QByteArrayView(line).chopped(line.endsWith('\n') ? 1 : 0));
        utf8 = utf8 && isUtf8(line);
    }
    // The header, the rows and the decimal separator most of their numbers use.
    std::vector<bool> numberColumns;
    qsizetype commas = 0;
    qsizetype points = 0;
    rewind();
    for (QStringList record; nextRecord(record);) {
        if (numberColumns.empty()) {
            for (const QString& name : header)
                numberColumns.push_back(isNumberField(name));
            continue;
        }
        ++rows;
        if (record.size() != header.size())
            continue;
        for (qsizetype column = 0; column < record.size(); ++column)
            if (numberColumns[std::size_t(column)]) {
                commas += record[column].contains(u',');
                points += record[column].contains(u'.');
            }
    }
    if (header.isEmpty())
        throw BatchInputError(QStringLiteral("Die Datei enthält keine Kopfzeile mit Feldnamen."));
    decimals = fieldSeparator != u',' && commas > points ? u',' : u'.';
    noteUnknownFields(header, unknown);
    rewind();
    QStringList skipped;
    nextRecord(skipped);
}

void CsvAnalysisReader::rewind() {
    if (!device.seek(0))
        throw BatchInputError(QStringLiteral("Die Datei lässt sich nicht ein zweites Mal lesen."));
    splitter = DelimitedSplitter(fieldSeparator);
    pending.clear();
    nextPending = 0;
    atStart = true;
}

bool CsvAnalysisReader::nextRecord(QStringList& record) {
    while (nextPending == pending.size()) {
        pending.clear();
        nextPending = 0;
        const QByteArray line = device.readLine();
        if (line.isEmpty()) {
            splitter.finish(pending);
        } else {
            QString text = utf8 ? QString::fromUtf8(line) : fromCp1252(line);
            if (atStart && text.startsWith(QChar::ByteOrderMark))
                text.remove(0, 1);
            atStart = false;
            splitter.feed(text, pending);
        }
        std::erase_if(pending, isBlank);
        if (line.isEmpty() && pending.empty())
            return false;
    }
    record = std::move(pending[nextPending++]);
    if (header.isEmpty()) {
        header = record;
        for (QString& name : header)
            name = name.trimmed();
    }
    return true;
}

bool CsvAnalysisReader::next(BatchAnalysis& analysis) {
    QStringList record;
    if (!nextRecord(record))
        return false;
    analysis = BatchAnalysis();
    if (record.size() != header.size()) {
        analysis.readError = QStringLiteral("Die Zeile hat %1 Felder, die Kopfzeile %2.")
                                 .arg(record.size())
                                 .arg(header.size());
        return true;
    }
    QHash<QString, QString> given;
    for (qsizetype column = 0; column < header.size(); ++column)
        given.insert(header[column], record[column]);
    analysis = buildAnalysis(given, defaults, u"Spalte %1 fehlt");
    return true;
}

BatchInput readCsvAnalyses(const QByteArray& content) {
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    CsvAnalysisReader reader(buffer);
    BatchInput input;
    input.separator = reader.separator();
    input.decimalSeparator = reader.decimalSeparator();
    input.unknownFields = reader.unknownFields();
    for (BatchAnalysis analysis; reader.next(analysis);)
        input.analyses.push_back(analysis);
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
