#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>

namespace velmora::test {

/// Every column of the analysis dialog in a laboratory file: "Analyse", "Methode", then the numbers.
inline QStringList analysisColumns() {
    return {
        QStringLiteral("Analyse"), QStringLiteral("Methode"), QStringLiteral("pHe"),  QStringLiteral("tpHe"),
        QStringLiteral("KS43"),    QStringLiteral("tKS43"),   QStringLiteral("KB82"), QStringLiteral("tKB82"),
        QStringLiteral("DIC"),     QStringLiteral("mWert"),   QStringLiteral("tb"),   QStringLiteral("k25"),
        QStringLiteral("cCa"),     QStringLiteral("cMg"),     QStringLiteral("cNa"),  QStringLiteral("cK"),
        QStringLiteral("cSO4"),    QStringLiteral("cNO3"),    QStringLiteral("cCl")};
}

/// A laboratory file with every column of the analysis dialog, its rows the dialog's default texts
/// with the given cells changed ("Analyse" and "Methode" among them).
inline QByteArray analysesCsv(const QList<QHash<QString, QString>>& rows) {
    const QStringList columns = analysisColumns();
    const QStringList defaults{QStringLiteral("Analyse"), QStringLiteral("1"),      QStringLiteral("7"),
                               QStringLiteral("20,000"),  QStringLiteral("3"),      QStringLiteral("20,000"),
                               QStringLiteral("0,054"),   QStringLiteral("20,000"), QStringLiteral("2,478"),
                               QStringLiteral("2,432"),   QStringLiteral("10"),     QStringLiteral("300"),
                               QStringLiteral("2,000"),   QStringLiteral("2,000"),  QStringLiteral("2,000"),
                               QStringLiteral("2,000"),   QStringLiteral("2,000"),  QStringLiteral("2,000"),
                               QStringLiteral("2,000")};
    QString text = columns.join(u';') + u'\n';
    for (const QHash<QString, QString>& changed : rows) {
        QStringList cells;
        for (qsizetype i = 0; i < columns.size(); ++i)
            cells << changed.value(columns[i], defaults[i]);
        text += cells.join(u';') + u'\n';
    }
    return text.toUtf8();
}

} // namespace velmora::test
