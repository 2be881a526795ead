#pragma once

#include "sheet/model/Sheet.h"

#include <map>
#include <QString>
#include <vector>

namespace velmora::sheet {

/// Sheets a workbook may hold.
inline constexpr int maxSheets = 1024;

/// A workbook: one or more named sheets, defined names and the title printed in the page header.
class Workbook {
public:
    /// A new workbook has one empty sheet.
    Workbook();

    int sheetCount() const { return int(m_sheets.size()); }
    Sheet& sheet(int index) { return m_sheets.at(std::size_t(index)); }
    const Sheet& sheet(int index) const { return m_sheets.at(std::size_t(index)); }
    std::vector<Sheet>& sheets() { return m_sheets; }
    const std::vector<Sheet>& sheets() const { return m_sheets; }
    /// Appends a sheet named "TabelleN" unless a name is given.
    Sheet& addSheet(const QString& name = {});
    /// "TabelleN" with the first N from the number of sheets on that no sheet has.
    QString newSheetName() const;

    /// name -> reference such as "Tabelle1!A1:B4"
    std::map<QString, QString>& definedNames() { return m_definedNames; }
    const std::map<QString, QString>& definedNames() const { return m_definedNames; }

    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    /// Whether the sheets' tabs are shown below them (when there are several).
    bool showTabs() const { return m_showTabs; }
    void setShowTabs(bool show) { m_showTabs = show; }

    bool operator==(const Workbook&) const = default;

private:
    std::vector<Sheet> m_sheets;
    std::map<QString, QString> m_definedNames;
    QString m_title;
    bool m_showTabs = true;
};

} // namespace velmora::sheet
