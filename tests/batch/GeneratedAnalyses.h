#pragma once

#include "Analyses.h"
#include "GeneratedWaters.h"

#include <QHash>
#include <QList>

namespace velmora::test {

/// The rows of a laboratory file of `count` generated waters: "Wasser 0", "Wasser 1", ... with their
/// methods and every number with 17 significant digits, keyed by the columns of analysisColumns().
inline QList<QHash<QString, QString>> generatedAnalysisRows(int count) {
    const QStringList columns = analysisColumns();
    const std::vector<GeneratedWater> waters = generatedWaters(count);
    QList<QHash<QString, QString>> rows;
    for (std::size_t i = 0; i < waters.size(); ++i) {
        const AnalysisInput& in = waters[i].input;
        QStringList cells{QStringLiteral("Wasser %1").arg(i), QString::number(waters[i].method)};
        for (double value :
             {in.pHe, in.tpHe, in.ks43, in.tKs43, in.kb82, in.tKb82, in.dic, in.mWert, in.tb, in.k25})
            cells << QString::number(value, 'g', 17);
        for (double total : in.totals)
            cells << QString::number(total, 'g', 17);
        QHash<QString, QString> row;
        for (qsizetype column = 0; column < columns.size(); ++column)
            row.insert(columns[column], cells[column]);
        rows << row;
    }
    return rows;
}

} // namespace velmora::test
