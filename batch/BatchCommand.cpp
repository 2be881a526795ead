#include "batch/BatchCommand.h"

#include "batch/BatchFiles.h"
#include "batch/BatchInput.h"
#include "batch/BatchOutput.h"
#include "batch/ImportRunner.h"
#include "batch/JobRunner.h"

#include <algorithm>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>
#include <thread>

namespace velmora {

namespace {

const char16_t* const helpText =
    uR"(Aufruf: velmora-batch evaluate [--json] [--save-dir VERZEICHNIS] [-j ANZAHL] [DATEI|-]
       velmora-batch export DATENDATEI AUSGABEDATEI [--code 4]
       velmora-batch chart DATENDATEI (--ph|--si) BILDDATEI
       velmora-batch run [--dir VERZEICHNIS] AUFTRAG.json|-
       velmora-batch import [--template VORLAGE] [--method N] [--save-dir VERZEICHNIS] [--json]
                            ARBEITSMAPPE...

evaluate wertet Wasseranalysen aus wie "Eingabe der Wasserkenndaten" mit "Berechnen" und
schreibt ein Ergebnis je Analyse auf die Standardausgabe. Ohne DATEI oder mit "-" wird die
Standardeingabe gelesen. Mit --save-dir entsteht zusätzlich je Analyse eine Wasserdatei
(".was", benannt nach der Analyse) im VERZEICHNIS. -j verteilt die Auswertung auf ANZAHL
Threads (Vorgabe: die Zahl der Prozessorkerne); die Ausgabe bleibt dieselbe. Eine CSV-Datei
wird Zeile für Zeile gelesen und je tausend Analysen ausgegeben, so dass auch eine sehr lange
Datei nicht mehr Speicher braucht. Auf einem Terminal zeigt die Fehlerausgabe, wie weit die
Auswertung ist ("12 000 / 100 000 Analysen").

import übernimmt die Analysen aus Arbeitsmappen eines Labors (".xls", ".xlsx", ".ods") wie
"Datei › Importieren": die VORLAGE (Vorgabe: Vorlagen/ExcelImport.xls des Programms) sagt,
welche Zelle welche Größe enthält. Jede Mappe wird mit der Methode N (1 bis 7, Vorgabe 1:
pH-Wert und KS(4,3)) berechnet wie mit "Berechnen" und ergibt eine Ergebniszeile wie bei
evaluate (CSV mit ";", mit --json JSON); mit --save-dir zusätzlich je Mappe eine ".was".
Größen, die die Vorlage nicht markiert, behalten den Wert der Mappe davor. Eine Mappe, die
nicht gelesen oder berechnet werden kann, steht mit der Meldung des Programms in der Zeile;
die übrigen werden weiter übernommen.

export öffnet eine Datendatei wie das Programm und schreibt das ausgefüllte Blatt im Format
der Endung der AUSGABEDATEI: ".xlsx", ".xls" (Excel 97, mit --code 4 Excel 5/95), ".htm",
".txt" oder ".vts", und meldet in einer JSON-Zeile Fenster, Titel, Datei und Meldungen.

chart zeichnet das Diagramm pH oder SI einer Mischwasser- (".wam") oder Temperaturdatei (".wat")
wie das Fenster "Graphische Darstellung" und schreibt es als ".png", ".svg" oder ".pdf".

run führt einen Berechnungsdialog ohne Bildschirm aus, wie ein Anwender ihn bedient: öffnet
die Datendateien des Auftrags ("windows"), zeigt den Dialog ("dialog": TMischdaten oder
TTemperaturdaten), setzt seine Felder ("page", "fields"), klickt ("click", sonst "ok"),
beantwortet Rückfragen ("answers", "inputs") und speichert das Ergebnisfenster ("save",
sonst sein Titel) im VERZEICHNIS. Je Auftrag eine JSON-Zeile mit Fenster, Titel, Datei und
allen Meldungen.

Eingabe
  CSV mit Kopfzeile; Trennzeichen ";", "," oder Tabulator (aus der Kopfzeile erkannt).
  Mit --json oder einer Datei auf ".json": ein JSON-Objekt oder ein Array von Objekten.
  Feldnamen: Analyse, Bearbeiter, Datum, Anmerkung1, Anmerkung2, Methode (1 bis 7),
  pHe, tpHe, KS43, tKS43, KB82, tKB82, DIC, mWert, tb, k25, cCa, cMg, cNa, cK, cSO4,
  cNO3, cCl, in mmol/l, °C und µS/cm. Jede Zeile wird geprüft wie die Eingaben des Dialogs:
  die Temperaturen, k25, die sieben Ionen und die beiden Größen der Methode müssen als
  Spalte da sein und eine gültige, nicht negative Zahl enthalten; Zellen der Größen, die
  die Methode nicht liest, dürfen leer bleiben. Fehlen Analyse, Bearbeiter, Datum oder
  Methode, gelten die Vorgaben des Dialogs. Dezimalkomma und Dezimalpunkt werden gelesen.

Ausgabe CSV (Trennzeichen wie die Eingabe, Zahlen mit dem Dezimalzeichen der Eingabe)
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
    QString command;
    bool json = false;
    std::optional<bool> pH; ///< chart: --ph or --si
    QString saveDirectory;
    std::optional<int> excelCode;
    QString templatePath;
    int method = 1;
    int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    QStringList files;
};

bool parseArguments(const QStringList& arguments, BatchArguments& parsed, QString& problem) {
    static const QStringList commands{QStringLiteral("evaluate"), QStringLiteral("export"),
                                      QStringLiteral("chart"), QStringLiteral("run"),
                                      QStringLiteral("import")};
    if (arguments.isEmpty() || !commands.contains(arguments.front())) {
        problem = QStringLiteral(
            "Unbekannter Befehl; erwartet wird „evaluate“, „export“, „chart“, „run“ oder „import“.");
        return false;
    }
    parsed.command = arguments.front();
    const bool evaluate = parsed.command == u"evaluate";
    const bool import = parsed.command == u"import";
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if ((evaluate || import) && argument == u"--json") {
            parsed.json = true;
        } else if (import && argument == u"--template" && hasValue) {
            parsed.templatePath = arguments[++i];
        } else if (import && argument == u"--method" && hasValue) {
            bool isNumber = false;
            parsed.method = arguments[++i].toInt(&isNumber);
            if (!isNumber || parsed.method < 1 || parsed.method > 7) {
                problem = QStringLiteral("--method nimmt eine Methode von 1 bis 7.");
                return false;
            }
        } else if (((evaluate || import) && argument == u"--save-dir" && hasValue) ||
                   (parsed.command == u"run" && argument == u"--dir" && hasValue)) {
            parsed.saveDirectory = arguments[++i];
        } else if (evaluate && argument == u"-j" && hasValue) {
            bool isNumber = false;
            parsed.threads = arguments[++i].toInt(&isNumber);
            if (!isNumber || parsed.threads < 1) {
                problem = QStringLiteral("-j nimmt eine Anzahl Threads ab 1.");
                return false;
            }
        } else if (parsed.command == u"chart" && (argument == u"--ph" || argument == u"--si")) {
            parsed.pH = argument == u"--ph";
        } else if (parsed.command == u"export" && argument == u"--code" && hasValue) {
            const QString code = arguments[++i];
            if (code != u"4" && code != u"11") {
                problem = QStringLiteral("--code nimmt 4 (Excel 5/95) oder 11 (Excel 97).");
                return false;
            }
            parsed.excelCode = code.toInt();
        } else if (argument.startsWith(u"--")) {
            problem = QStringLiteral("Unbekannte Option „%1“.").arg(argument);
            return false;
        } else {
            parsed.files << argument;
        }
    }
    if (import) {
        if (parsed.files.isEmpty()) {
            problem = QStringLiteral("import braucht mindestens eine Arbeitsmappe.");
            return false;
        }
        return true;
    }
    const bool oneFile = evaluate || parsed.command == u"run";
    if (parsed.files.size() > (oneFile ? 1 : 2) || (!oneFile && parsed.files.size() != 2)) {
        problem =
            evaluate
                ? QStringLiteral("Mehr als eine Datei angegeben.")
                : QStringLiteral("%1 braucht eine Datendatei und eine Ausgabedatei.").arg(parsed.command);
        return false;
    }
    if (parsed.command == u"chart" && !parsed.pH) {
        problem = QStringLiteral("chart braucht --ph oder --si.");
        return false;
    }
    if (evaluate && !parsed.files.isEmpty() &&
        parsed.files.front().endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        parsed.json = true;
    return true;
}

// Standard input copied to a temporary file: a CSV evaluation reads its input twice.
bool spool(QIODevice& input, QTemporaryFile& copy) {
    if (!copy.open())
        return false;
    constexpr qint64 chunk = 1 << 16;
    for (QByteArray bytes; !(bytes = input.read(chunk)).isEmpty();)
        if (copy.write(bytes) != bytes.size())
            return false;
    return copy.seek(0);
}

// Evaluates the analyses of `input` block by block, writing the results of each block as they come.
int evaluate(const BatchArguments& parsed, QIODevice& input, QTextStream& out, QTextStream& err,
             const std::function<void(const QString& line)>& showProgress) {
    std::optional<WaterFileSaver> saver;
    if (!parsed.saveDirectory.isEmpty()) {
        saver.emplace(parsed.saveDirectory);
        if (!saver->directoryExists(err))
            return batchUnusable;
    }
    BatchInput jsonInput;
    std::optional<CsvAnalysisReader> csvReader;
    try {
        if (parsed.json)
            jsonInput = readJsonAnalyses(input.readAll());
        else
            csvReader.emplace(input);
    } catch (const BatchInputError& error) {
        err << QString::fromStdString(error.what()) << u'\n';
        return batchUnusable;
    }
    for (const QString& name : csvReader ? csvReader->unknownFields() : jsonInput.unknownFields)
        err << QStringLiteral("Unbekanntes Feld „%1“ wird übergangen.").arg(name) << u'\n';

    std::size_t jsonNext = 0;
    const auto next = [&](BatchAnalysis& analysis) {
        if (csvReader)
            return csvReader->next(analysis);
        if (jsonNext == jsonInput.analyses.size())
            return false;
        analysis = std::move(jsonInput.analyses[jsonNext++]);
        return true;
    };
    const std::size_t total = csvReader ? csvReader->analysisCount() : jsonInput.analyses.size();
    BatchResultWriter writer =
        csvReader ? BatchResultWriter::csv(csvReader->separator(), csvReader->decimalSeparator())
                  : BatchResultWriter::json();
    std::size_t done = 0;
    bool anyFailed = false;
    bool allSaved = true;
    out << writer.begin();
    evaluateInBlocks(next, parsed.threads, [&](const std::vector<BatchResult>& results) {
        out << writer.write(results);
        if (saver)
            allSaved = saver->save(results, err) && allSaved;
        anyFailed = anyFailed || std::any_of(results.begin(), results.end(),
                                             [](const BatchResult& r) { return r.failed(); });
        done += results.size();
        if (showProgress)
            showProgress(progressText(done, total));
    });
    out << writer.end();
    if (!allSaved)
        return batchUnusable;
    return anyFailed ? batchRowFailed : batchOk;
}

} // namespace

int runBatchCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    QIODevice& standardInput, const std::function<void(const QString& line)>& showProgress) {
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

    if (parsed.command == u"export")
        return exportDataFile(parsed.files[0], parsed.files[1], parsed.excelCode, out, err);
    if (parsed.command == u"chart")
        return writeChart(parsed.files[0], *parsed.pH, parsed.files[1], err);
    if (parsed.command == u"import")
        return importWorkbooks(
            {parsed.templatePath, parsed.method, parsed.saveDirectory, parsed.json, parsed.files}, out, err);

    const QString file = parsed.files.value(0);
    QFile named(file);
    QTemporaryFile spooled;
    QIODevice* input = &standardInput;
    if (!file.isEmpty() && file != u"-") {
        // Only a regular file: a FIFO or a device would block or never end.
        if (!QFileInfo(file).isFile() || !named.open(QIODevice::ReadOnly)) {
            err << QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(file) << u'\n';
            return batchUnusable;
        }
        input = &named;
    } else if (parsed.command == u"evaluate" && !parsed.json) {
        if (!spool(standardInput, spooled)) {
            err << QStringLiteral("Die Standardeingabe kann nicht zwischengespeichert werden.") << u'\n';
            return batchUnusable;
        }
        input = &spooled;
    }
    if (parsed.command == u"run")
        return runJobs(input->readAll(),
                       parsed.saveDirectory.isEmpty() ? QDir::currentPath() : parsed.saveDirectory, out, err);
    return evaluate(parsed, *input, out, err, showProgress);
}

} // namespace velmora
