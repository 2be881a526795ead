#include "sheet/model/Workbook.h"

namespace velmora::sheet {

Workbook::Workbook() {
    addSheet();
}

Sheet& Workbook::addSheet(const QString& name) {
    m_sheets.emplace_back(name.isEmpty() ? newSheetName() : name);
    return m_sheets.back();
}

QString Workbook::newSheetName() const {
    for (int n = sheetCount() + 1;; ++n) {
        const QString candidate = QStringLiteral("Tabelle%1").arg(n);
        if (std::none_of(m_sheets.begin(), m_sheets.end(),
                         [&](const Sheet& s) { return s.name() == candidate; }))
            return candidate;
    }
}

} // namespace velmora::sheet
