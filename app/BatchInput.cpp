#include "app/BatchInput.h"

#include "common/DelimitedText.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"

#include <array>
#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace velmora {

namespace {

template <double AnalysisInput::*field>
double& member(AnalysisInput& input) {
    return input.*field;
}

template <std::size_t ion>
double& total(AnalysisInput& input) {
    return input.totals[ion];
}

struct NumberField {
    const char16_t* name;        ///< object name of the dialog's edit
    const char16_t* defaultText; ///< the edit's default text
    double& (*target)(AnalysisInput&);
};

const std::array<NumberField, 17> numberFields{{
    {u"pHe", u"7", member<&AnalysisInput::pHe>},
    {u"tpHe", u"20,000", member<&AnalysisInput::tpHe>},
    {u"KS43", u"3", member<&AnalysisInput::ks43>},
    {u"tKS43", u"20,000", member<&AnalysisInput::tKs43>},
    {u"KB82", u"0,054", member<&AnalysisInput::kb82>},
    {u"tKB82", u"20,000", member<&AnalysisInput::tKb82>},
    {u"DIC", u"2,478", member<&AnalysisInput::dic>},
    {u"mWert", u"2,432", member<&AnalysisInput::mWert>},
    {u"tb", u"10", member<&AnalysisInput::tb>},
    {u"k25", u"300", member<&AnalysisInput::k25>},
    {u"cCa", u"2.000", total<0>},
    {u"cMg", u"2.000", total<1>},
    {u"cNa", u"2.000", total<2>},
    {u"cK", u"2.000", total<3>},
    {u"cSO4", u"2.000", total<4>},
    {u"cNO3", u"2.000", total<5>},
    {u"cCl", u"2.000", total<6>},
}};

// The header texts in the order of the AnalysisHeader.
constexpr std::array<const char16_t*, AnalysisHeader::textCount> textFields{
    u"Analyse", u"Bearbeiter", u"Datum", u"Anmerkung1", u"Anmerkung2"};
constexpr const char16_t* methodField = u"Methode";

bool isKnownField(const QString& name) {
    if (name == methodField)
        return true;
    for (const char16_t* text : textFields)
        if (name == text)
            return true;
    for (const NumberField& field : numberFields)
        if (name == field.name)
            return true;
    return false;
}

QString invalidValue(const QString& field, const QString& text) {
    return QStringLiteral("Ungültiger Wert für %1: „%2“").arg(field, text);
}

// An analysis from the texts of its fields; absent fields take the dialog's defaults.
BatchAnalysis buildAnalysis(const QHash<QString, QString>& given) {
    BatchAnalysis analysis;
    const QString defaults[] = {QStringLiteral("Analyse"), QString(),
                                QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), QString(),
                                QString()};
    for (int i = 0; i < AnalysisHeader::textCount; ++i) {
        const QString name = QString::fromUtf16(textFields[i]);
        analysis.header.setText(AnalysisHeader::Text(i), given.value(name, defaults[i]));
    }
    for (const NumberField& field : numberFields) {
        const QString name = QString::fromUtf16(field.name);
        const QString text = given.value(name, QString::fromUtf16(field.defaultText));
        const std::optional<double> value = readNumber(text);
        if (!value) {
            analysis.readError = invalidValue(name, text);
            return analysis;
        }
        field.target(analysis.input) = *value;
    }
    const QString methodText = given.value(QString::fromUtf16(methodField), QStringLiteral("1"));
    const std::optional<int> method = readInteger(methodText);
    if (!method || *method < 1 || *method > int(inputMethods.size())) {
        analysis.readError = QStringLiteral("Ungültige Methode „%1“ (erlaubt sind 1 bis 7)").arg(methodText);
        return analysis;
    }
    analysis.method = *method;
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

void noteUnknownFields(const QStringList& names, QStringList& unknown) {
    for (const QString& name : names)
        if (!name.isEmpty() && !isKnownField(name) && !unknown.contains(name))
            unknown.append(name);
}

} // namespace

BatchInput readCsvAnalyses(const QByteArray& content) {
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

    for (std::size_t row = 1; row < records.size(); ++row) {
        const QStringList& record = records[row];
        QHash<QString, QString> given;
        // An empty cell counts as absent and takes the default, as an untouched edit would.
        for (qsizetype column = 0; column < std::min(record.size(), header.size()); ++column)
            if (!record[column].trimmed().isEmpty())
                given.insert(header[column], record[column].trimmed());
        BatchAnalysis analysis = buildAnalysis(given);
        if (record.size() > header.size() && analysis.readError.isEmpty())
            analysis.readError = QStringLiteral("Die Zeile hat mehr Felder (%1) als die Kopfzeile (%2).")
                                     .arg(record.size())
                                     .arg(header.size());
        input.analyses.push_back(analysis);
    }
    return input;
}

BatchInput readJsonAnalyses(const QByteArray& content) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (document.isNull())
        throw BatchInputError(QStringLiteral("Die JSON-Datei ist fehlerhaft (Zeichen %1): %2")
                                  .arg(parseError.offset)
                                  .arg(parseError.errorString()));
    const QJsonArray entries = document.isArray() ? document.array() : QJsonArray{document.object()};

    BatchInput input;
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
        BatchAnalysis analysis = buildAnalysis(given);
        if (!readError.isEmpty())
            analysis.readError = readError;
        input.analyses.push_back(analysis);
    }
    return input;
}

} // namespace velmora
