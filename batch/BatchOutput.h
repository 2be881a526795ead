#pragma once

#include "batch/BatchAnalysis.h"

#include <QByteArray>
#include <QChar>
#include <vector>

namespace velmora {

/// One line per analysis: name, pH at tb, SI, pH at SI(e), pH after calcite saturation, ΔpH, the calcite
/// dissolution capacity D (mmol/l), the verdict, pHe, KS43, KB82, DIC, mWert (mmol/l), the ion-balance
/// error (%) and the status; numbers with three decimals and `decimalSeparator`.
QByteArray writeCsvResults(const std::vector<BatchResult>& results, QChar separator, QChar decimalSeparator);

/// An array with one object per analysis: the three slots and the solved quantities in internal units,
/// doubles with 17 significant digits, and "error" null or the message.
QByteArray writeJsonResults(const std::vector<BatchResult>& results);

} // namespace velmora
