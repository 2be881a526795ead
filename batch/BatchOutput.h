#pragma once

#include "batch/BatchAnalysis.h"

#include <QChar>
#include <QString>
#include <vector>

namespace velmora {

/// The results of an evaluation, written block by block as they come.
/// CSV: a header line, then one line per analysis: name, pH at tb, SI, pH at SI(e), pH after calcite
/// saturation, ΔpH, the calcite dissolution capacity D (mmol/l), the verdict, pHe, KS43, KB82, DIC, mWert
/// (mmol/l), the ion-balance error (%) and the status; numbers with three decimals and `decimalSeparator`.
/// JSON: an array with one object per analysis: the three slots and the solved quantities in internal
/// units, doubles with 17 significant digits, and "error" null or the message.
class BatchResultWriter {
public:
    static BatchResultWriter csv(QChar separator, QChar decimalSeparator);
    static BatchResultWriter json();

    QString begin() const; ///< what stands before the first result
    QString write(const std::vector<BatchResult>& results);
    QString end() const; ///< what stands after the last

private:
    BatchResultWriter() = default;

    bool asJson = false;
    QChar separator = u';';
    QChar decimalSeparator = u'.';
    std::size_t written = 0;
};

} // namespace velmora
