#include "sheet/model/Workbook.h"

namespace velmora::sheet {

Workbook::Workbook() {
    addSheet();
}

Sheet& Workbook::addSheet(const QString& name) {
    QString sheetName = name;
    for (int n = sheetCount() + 1; sheetName.isEmpty(); ++n) {
        const QString candidate = QStringLiteral("Tabelle%1").arg(n);
        if (std::none_of(m_sheets.begin(), m_sheets.end(),
                         [&](const Sheet& s) { return s.name() == candidate; }))
            sheetName = candidate;
    }
    m_sheets.emplace_back(sheetName);
    return m_sheets.back();
}

} // namespace velmora::sheet
