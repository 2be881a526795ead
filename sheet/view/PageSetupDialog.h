#pragma once

#include "sheet/model/PrintSettings.h"

#include <memory>
#include <QDialog>

namespace Ui {
class PageSetupDialog;
}

namespace velmora::sheet {

/// "Seite einrichten": paper, orientation and scale, margins and centring, header and footer, print
/// area, print titles, gridlines and headings of one sheet. OK is offered only while every reference
/// typed is one.
class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit PageSetupDialog(const PrintSettings& settings, QWidget* parent = nullptr);
    ~PageSetupDialog() override;

    /// The settings shown, with the page breaks they came with.
    PrintSettings settings() const;

private:
    void checkReferences();

    std::unique_ptr<Ui::PageSetupDialog> m_ui;
    PrintSettings m_original;
};

/// "3" or "3:4" for rows, "A" or "A:B" for columns, "$" allowed; empty text for none. False for anything
/// else.
bool parseTitleRows(const QString& text, std::optional<CellRange>& rows);
bool parseTitleColumns(const QString& text, std::optional<CellRange>& columns);

} // namespace velmora::sheet
