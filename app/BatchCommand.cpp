#include "app/BatchCommand.h"

#include "app/BatchInput.h"
#include "app/BatchOutput.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace velmora {

namespace {

const char16_t* const helpText = uR"(Aufruf: velmora-batch evaluate [--json] [DATEI|-]

Wertet Wasseranalysen aus wie "Eingabe der Wasserkenndaten" mit "Berechnen" und schreibt
ein Ergebnis je Analyse auf die Standardausgabe. Ohne DATEI oder mit "-" wird die
Standardeingabe gelesen.

Eingabe
  CSV mit Kopfzeile; Trennzeichen ";", "," oder Tabulator (aus der Kopfzeile erkannt).
  Mit --json oder einer Datei auf ".json": ein JSON-Objekt oder ein Array von Objekten.
  Feldnamen: Analyse, Bearbeiter, Datum, Anmerkung1, Anmerkung2, Methode (1 bis 7),
  pHe, tpHe, KS43, tKS43, KB82, tKB82, DIC, mWert, tb, k25, cCa, cMg, cNa, cK, cSO4,
  cNO3, cCl, in mmol/l, °C und µS/cm. Fehlende Felder erhalten die Vorgaben des Dialogs;
  Dezimalkomma und Dezimalpunkt werden gelesen.

Ausgabe CSV (Trennzeichen wie die Eingabe)
  Analyse            Name der Analyse
  pH(tb)             pH-Wert bei der Bewertungstemperatur tb
  SI                 Sättigungsindex bei tb
  pH(SIe)            pH-Wert bei SI(e) = 0 (Sättigungs-pH)
  pHC(tb)            pH-Wert nach Calcitsättigung
  dpH                pH(tb) - pHC(tb)
  D                  Calcitlösekapazität in mmol/l (positiv: calcitlösend)
  Bewertung          Urteil über das Kalk-Kohlensäure-Gleichgewicht
  pHe                pH-Wert bei t(pH), gemessen oder berechnet
  KS43, KB82         Säure- und Basenkapazität in mmol/l
  DIC, mWert         c(DIC) und m-Wert in mmol/l
  Ionenbilanzfehler  in %
  Status             "ok" oder der Fehler der Zeile

Ausgabe JSON (bei JSON-Eingabe)
  Je Analyse ein Objekt: slots (die drei Ergebnisplätze mit je 40 Werten in mol/l, K),
  lastMethod, pHm, ks43, kb82, dic, mValue, caEq, dicEq, mValueEq, pHEq (mol/l),
  D (mmol/l), dpH, verdict, converged und error (null oder die Meldung).

Rückgabewert: 0 alles ausgewertet, 1 mindestens eine Analyse fehlerhaft,
2 unbrauchbare Argumente oder nicht lesbare Datei.
)";

struct BatchArguments {
    bool json = false;
    QString file; ///< empty or "-" for the standard input
};

bool parseArguments(const QStringList& arguments, BatchArguments& parsed, QString& problem) {
    if (arguments.isEmpty() || arguments.front() != u"evaluate") {
        problem = QStringLiteral("Unbekannter Befehl; erwartet wird „evaluate“.");
        return false;
    }
    for (const QString& argument : arguments.mid(1)) {
        if (argument == u"--json") {
            parsed.json = true;
        } else if (argument.startsWith(u"--")) {
            problem = QStringLiteral("Unbekannte Option „%1“.").arg(argument);
            return false;
        } else if (parsed.file.isEmpty()) {
            parsed.file = argument;
        } else {
            problem = QStringLiteral("Mehr als eine Datei angegeben.");
            return false;
        }
    }
    if (parsed.file.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        parsed.json = true;
    return true;
}

} // namespace

int runBatchCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    const std::function<QByteArray()>& readStandardInput) {
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        out << QString::fromUtf16(helpText);
        return batchOk;
    }
    BatchArguments parsed;
    QString problem;
    if (!parseArguments(arguments, parsed, problem)) {
        err << problem << u'\n' << QStringLiteral("Hilfe: velmora-batch --help") << u'\n';
        return batchUnusable;
    }

    QByteArray content;
    if (parsed.file.isEmpty() || parsed.file == u"-") {
        content = readStandardInput();
    } else {
        QFile file(parsed.file);
        if (QFileInfo(parsed.file).isDir() || !file.open(QIODevice::ReadOnly)) {
            err << QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(parsed.file) << u'\n';
            return batchUnusable;
        }
        content = file.readAll();
    }

    BatchInput input;
    try {
        input = parsed.json ? readJsonAnalyses(content) : readCsvAnalyses(content);
    } catch (const BatchInputError& error) {
        err << QString::fromStdString(error.what()) << u'\n';
        return batchUnusable;
    }
    for (const QString& name : input.unknownFields)
        err << QStringLiteral("Unbekanntes Feld „%1“ wird übergangen.").arg(name) << u'\n';

    const std::vector<BatchResult> results = evaluateAnalyses(input.analyses);
    out << QString::fromUtf8(parsed.json ? writeJsonResults(results)
                                         : writeCsvResults(results, input.separator));
    const bool anyFailed =
        std::any_of(results.begin(), results.end(), [](const BatchResult& r) { return r.failed(); });
    return anyFailed ? batchRowFailed : batchOk;
}

} // namespace velmora
