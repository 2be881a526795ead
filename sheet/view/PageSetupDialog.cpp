#include "sheet/view/PageSetupDialog.h"

#include "sheet/model/Sheet.h"
#include "ui_PageSetupDialog.h"

#include <QPushButton>
#include <QRegularExpression>

namespace velmora::sheet {

namespace {

QString withoutDollars(const QString& text) {
    QString plain = text.trimmed();
    plain.remove(u'$');
    return plain;
}

// "n" or "n:m" of lines 1..last, read by `line` (digits for rows, letters for columns).
bool parseLines(const QString& text, const QString& pattern, int last,
                const std::function<int(QString)>& line, std::pair<int, int>& lines) {
    static const QString both = QStringLiteral("^(%1)(?::(%1))?$");
    const QRegularExpressionMatch match = QRegularExpression(both.arg(pattern)).match(text);
    if (!match.hasMatch())
        return false;
    const int first = line(match.captured(1));
    const int second = match.hasCaptured(2) ? line(match.captured(2)) : first;
    if (first < 1 || second < 1 || first > last || second > last)
        return false;
    lines = std::minmax(first, second);
    return true;
}

int rowNumber(const QString& digits) {
    return digits.size() > 6 ? 0 : digits.toInt();
}

int columnNumber(const QString& letters) {
    if (letters.size() > 3)
        return 0;
    int column = 0;
    for (QChar c : letters)
        column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
    return column;
}

QString rowsText(const std::optional<CellRange>& rows) {
    return rows ? QStringLiteral("%1:%2").arg(rows->top).arg(rows->bottom) : QString();
}

QString columnsText(const std::optional<CellRange>& columns) {
    return columns ? columnName(columns->left) + u':' + columnName(columns->right) : QString();
}

} // namespace

bool parseTitleRows(const QString& text, std::optional<CellRange>& rows) {
    const QString plain = withoutDollars(text);
    std::pair<int, int> lines;
    if (plain.isEmpty())
        rows.reset();
    else if (parseLines(plain, QStringLiteral("[0-9]+"), maxRows, rowNumber, lines))
        rows = CellRange{lines.first, 1, lines.second, maxColumns};
    else
        return false;
    return true;
}

bool parseTitleColumns(const QString& text, std::optional<CellRange>& columns) {
    const QString plain = withoutDollars(text);
    std::pair<int, int> lines;
    if (plain.isEmpty())
        columns.reset();
    else if (parseLines(plain, QStringLiteral("[A-Za-z]+"), maxColumns, columnNumber, lines))
        columns = CellRange{1, lines.first, maxRows, lines.second};
    else
        return false;
    return true;
}

PageSetupDialog::PageSetupDialog(const PrintSettings& settings, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PageSetupDialog>()), m_original(settings) {
    m_ui->setupUi(this);
    for (QPageSize::PageSizeId paper : printPapers)
        m_ui->papier->addItem(QPageSize::name(paper), int(paper));
    m_ui->papier->setCurrentIndex(m_ui->papier->findData(int(settings.paper)));
    (settings.orientation == PrintSettings::Orientation::Landscape ? m_ui->querformat : m_ui->hochformat)
        ->setChecked(true);
    (settings.fitToPages ? m_ui->anpassen : m_ui->skalieren)->setChecked(true);
    m_ui->prozent->setValue(settings.scale);
    m_ui->seitenBreit->setValue(settings.pagesWide);
    m_ui->seitenHoch->setValue(settings.pagesTall);
    m_ui->randLinks->setValue(settings.margins.left());
    m_ui->randOben->setValue(settings.margins.top());
    m_ui->randRechts->setValue(settings.margins.right());
    m_ui->randUnten->setValue(settings.margins.bottom());
    m_ui->horizontalZentrieren->setChecked(settings.centreHorizontally);
    m_ui->vertikalZentrieren->setChecked(settings.centreVertically);
    m_ui->kopfzeile->setText(settings.header);
    m_ui->fusszeile->setText(settings.footer);
    m_ui->druckbereich->setText(settings.area ? rangeReference(*settings.area) : QString());
    m_ui->wiederholungszeilen->setText(rowsText(settings.titleRows));
    m_ui->wiederholungsspalten->setText(columnsText(settings.titleColumns));
    m_ui->gitternetz->setChecked(settings.gridlines);
    m_ui->koepfe->setChecked(settings.headings);
    for (QLineEdit* reference : {m_ui->druckbereich, m_ui->wiederholungszeilen, m_ui->wiederholungsspalten})
        connect(reference, &QLineEdit::textChanged, this, &PageSetupDialog::checkReferences);
}

PageSetupDialog::~PageSetupDialog() = default;

void PageSetupDialog::checkReferences() {
    std::optional<CellRange> range;
    const bool valid = parseTypedRange(m_ui->druckbereich->text(), range) &&
                       parseTitleRows(m_ui->wiederholungszeilen->text(), range) &&
                       parseTitleColumns(m_ui->wiederholungsspalten->text(), range);
    m_ui->knoepfe->button(QDialogButtonBox::Ok)->setEnabled(valid);
}

PrintSettings PageSetupDialog::settings() const {
    PrintSettings settings = m_original;
    settings.paper = QPageSize::PageSizeId(m_ui->papier->currentData().toInt());
    settings.orientation = m_ui->querformat->isChecked() ? PrintSettings::Orientation::Landscape
                                                         : PrintSettings::Orientation::Portrait;
    settings.fitToPages = m_ui->anpassen->isChecked();
    settings.scale = m_ui->prozent->value();
    settings.pagesWide = m_ui->seitenBreit->value();
    settings.pagesTall = m_ui->seitenHoch->value();
    settings.margins = QMarginsF(m_ui->randLinks->value(), m_ui->randOben->value(), m_ui->randRechts->value(),
                                 m_ui->randUnten->value());
    settings.centreHorizontally = m_ui->horizontalZentrieren->isChecked();
    settings.centreVertically = m_ui->vertikalZentrieren->isChecked();
    settings.header = m_ui->kopfzeile->text();
    settings.footer = m_ui->fusszeile->text();
    parseTypedRange(m_ui->druckbereich->text(), settings.area);
    parseTitleRows(m_ui->wiederholungszeilen->text(), settings.titleRows);
    parseTitleColumns(m_ui->wiederholungsspalten->text(), settings.titleColumns);
    settings.gridlines = m_ui->gitternetz->isChecked();
    settings.headings = m_ui->koepfe->isChecked();
    return settings;
}

} // namespace velmora::sheet
