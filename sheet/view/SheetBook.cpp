#include "sheet/view/SheetBook.h"

#include "common/DelimitedText.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetPrinter.h"
#include "sheet/view/SheetView.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTabBar>
#include <QVBoxLayout>

namespace velmora::sheet {

namespace {

// The designer's executable beside this program's.
QString designerPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tabrix");
}

} // namespace

SheetBook::SheetBook(QWidget* parent)
    : QWidget(parent), m_view(new SheetView(this)), m_tabs(new QTabBar(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_tabs);
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setExpanding(false);
    m_printDialog = [this](QPrinter& printer) {
        return QPrintDialog(&printer, this).exec() == QDialog::Accepted;
    };
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index != m_current)
            setCurrentSheet(index);
    });
    connect(m_view, &SheetView::cellEdited, this, &SheetBook::modified);
    setFocusProxy(m_view);
    rebuildTabs();
    m_view->setSheet(&shownSheet());
}

SheetBook::~SheetBook() = default;

void SheetBook::rebuildTabs() {
    const QSignalBlocker block(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    for (const Sheet& sheet : m_workbook.sheets())
        m_tabs->addTab(sheet.name());
    m_tabs->setCurrentIndex(m_current);
    m_tabs->setVisible(m_workbook.sheetCount() > 1);
}

void SheetBook::setWorkbook(Workbook workbook) {
    const QString keptTitle = m_workbook.title();
    m_workbook = std::move(workbook);
    if (m_workbook.title().isEmpty())
        m_workbook.setTitle(keptTitle);
    m_current = 0;
    rebuildTabs();
    m_view->setSheet(&shownSheet());
}

void SheetBook::setCurrentSheet(int index) {
    if (index < 0 || index >= m_workbook.sheetCount())
        return;
    m_current = index;
    m_tabs->setCurrentIndex(index);
    m_view->setSheet(&shownSheet());
}

QString SheetBook::getCellText(int row, int column) const {
    return shownSheet().text({row, column});
}

void SheetBook::setCellText(int row, int column, const QString& text) {
    if (row < 1 || row > maxRows || column < 1 || column > maxColumns)
        throw SheetError(QStringLiteral("Die Zelle %1/%2 liegt außerhalb der Tabelle.").arg(row).arg(column));
    shownSheet().setText({row, column}, text);
    m_view->sheetChanged();
}

int SheetBook::readWorkbook(const QString& path) {
    int code = 0;
    Workbook read = readWorkbookFile(path, code);
    read.setTitle(m_workbook.title());
    setWorkbook(std::move(read));
    return code;
}

void SheetBook::writeWorkbook(const QString& path, int code) {
    writeWorkbookFile(m_workbook, path, code);
}

void SheetBook::printBook(bool showDialog) {
    QPrinter defaultPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_printer ? *m_printer : defaultPrinter;
    printer.setDocName(title());
    if (showDialog && !m_printDialog(printer))
        throw SheetError::cancelled();
    if (printWorkbook(m_workbook, title(), printer) == 0)
        throw SheetError(QStringLiteral("Der Drucker konnte nicht angesprochen werden."));
}

void SheetBook::copySelection() const {
    const Sheet& sheet = shownSheet();
    const CellRange used = sheet.usedRange();
    const CellRange selected = m_view->selection();
    const CellRange range{selected.top, selected.left, std::min(selected.bottom, used.bottom),
                          std::min(selected.right, used.right)};
    QString text;
    QString html = QStringLiteral("<table>");
    for (int row = range.top; row <= range.bottom; ++row) {
        QStringList fields;
        html += QStringLiteral("<tr>");
        for (int column = range.left; column <= range.right; ++column) {
            const QString cell = sheet.text({row, column});
            fields << quoteDelimited(cell, u'\t');
            html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
        }
        text += fields.join(u'\t') + u'\n';
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QApplication::clipboard()->setMimeData(data);
}

void SheetBook::cutSelection() {
    copySelection();
    const CellRange selected = m_view->selection();
    const CellRange used = shownSheet().usedRange();
    for (int row = selected.top; row <= std::min(selected.bottom, used.bottom); ++row)
        for (int column = selected.left; column <= std::min(selected.right, used.right); ++column)
            shownSheet().setText({row, column}, QString());
    m_view->sheetChanged();
    Q_EMIT modified();
}

void SheetBook::pasteClipboard() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const std::vector<QStringList> records = splitDelimited(text, u'\t');
    const CellPos origin = m_view->currentCell();
    for (std::size_t r = 0; r < records.size(); ++r)
        for (qsizetype c = 0; c < records[r].size(); ++c) {
            const CellPos pos{origin.row + int(r), origin.column + int(c)};
            if (pos.row <= maxRows && pos.column <= maxColumns)
                shownSheet().setText(pos, records[r][c]);
        }
    m_view->sheetChanged();
    Q_EMIT modified();
}

void SheetBook::startDesigner() const {
    const QString program = designerPath();
    if (!QFileInfo(program).isExecutable())
        throw SheetError(QStringLiteral("Der Formular-Designer „%1“ wurde nicht gefunden.").arg(program));
    if (!QProcess::startDetached(program, {}))
        throw SheetError(
            QStringLiteral("Der Formular-Designer „%1“ konnte nicht gestartet werden.").arg(program));
}

int SheetBook::viewScale() const {
    return m_view->zoom();
}

void SheetBook::setViewScale(int percent) {
    m_view->setZoom(percent);
}

int SheetBook::topRow() const {
    return m_view->topRow();
}

void SheetBook::setTopRow(int row) {
    m_view->setTopRow(row);
}

bool SheetBook::isReadOnly() const {
    return m_view->isReadOnly();
}

void SheetBook::setReadOnly(bool readOnly) {
    m_view->setReadOnly(readOnly);
}

} // namespace velmora::sheet
