#include "sheet/view/FormatCellsDialog.h"

#include "sheet/formats/NumberFormats.h"
#include "sheet/view/ColourChoice.h"
#include "ui_FormatCellsDialog.h"

namespace velmora::sheet {

namespace {

constexpr NumberCategory categories[] = {NumberCategory::FixedAndGeneral, NumberCategory::Currency,
                                         NumberCategory::Percent, NumberCategory::Fraction,
                                         NumberCategory::DateAndTime};

// Border lines in the order of the lists.
constexpr Border::Line borderLines[] = {Border::Line::None,  Border::Line::Thin,   Border::Line::Medium,
                                        Border::Line::Thick, Border::Line::Dashed, Border::Line::Dotted,
                                        Border::Line::Double};

int lineIndex(Border::Line line) {
    return int(std::find(std::begin(borderLines), std::end(borderLines), line) - std::begin(borderLines));
}

} // namespace

FormatCellsDialog::FormatCellsDialog(const CellStyle& current, double now, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::FormatCellsDialog>()), m_current(current), m_now(now) {
    m_ui->setupUi(this);
    connect(m_ui->kategorie, &QListWidget::currentRowChanged, this, &FormatCellsDialog::showCategory);
    connect(m_ui->formate, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_ui->formatCode->setText(item->data(Qt::UserRole).toString());
    });
    int category = 0;
    for (int i = 0; i < int(std::size(categories)); ++i)
        if (numberFormatsOf(categories[i]).contains(current.numberFormat))
            category = i;
    m_ui->kategorie->setCurrentRow(category);
    // Choosing the category's list entry wrote its code; the cell's own code stands.
    m_ui->formatCode->setText(current.numberFormat.isEmpty() ? QStringLiteral("General")
                                                             : current.numberFormat);

    m_ui->horizontal->setCurrentIndex(int(current.horizontal));
    m_ui->vertikal->setCurrentIndex(int(current.vertical));
    m_ui->umbrechen->setChecked(current.wrap);
    m_ui->schriftart->setCurrentFont(QFont(current.fontFamily));
    m_ui->schriftart->setEditText(current.fontFamily);
    m_ui->schriftgrad->setValue(current.fontSize);
    m_ui->fett->setChecked(current.bold);
    m_ui->kursiv->setChecked(current.italic);
    m_ui->unterstrichen->setChecked(current.underline);
    fillColours(m_ui->textfarbe, false, current.textColour);
    fillColours(m_ui->fuellung, true, current.fillColour);
    m_ui->rahmenLinks->setCurrentIndex(lineIndex(current.left.line));
    m_ui->rahmenOben->setCurrentIndex(lineIndex(current.top.line));
    m_ui->rahmenRechts->setCurrentIndex(lineIndex(current.right.line));
    m_ui->rahmenUnten->setCurrentIndex(lineIndex(current.bottom.line));
    m_ui->gesperrt->setChecked(current.locked);
    m_ui->formelAusblenden->setChecked(current.formulaHidden);
}

FormatCellsDialog::~FormatCellsDialog() = default;

void FormatCellsDialog::showCategory(int category) {
    m_ui->formate->clear();
    if (category < 0)
        return;
    const NumberCategory chosen = categories[category];
    for (const QString& code : numberFormatsOf(chosen)) {
        auto* item = new QListWidgetItem(formatWithCode(sampleValueOf(chosen, m_now), code, locale()) +
                                             QStringLiteral("    ") + code,
                                         m_ui->formate);
        item->setData(Qt::UserRole, code);
        if (code == m_current.numberFormat)
            m_ui->formate->setCurrentItem(item);
    }
}

CellStyle FormatCellsDialog::edited() const {
    CellStyle style = m_current;
    const QString code = m_ui->formatCode->text().trimmed();
    style.numberFormat = code.compare(u"General", Qt::CaseInsensitive) == 0 ? QString() : code;
    style.horizontal = HorizontalAlignment(m_ui->horizontal->currentIndex());
    style.vertical = VerticalAlignment(m_ui->vertikal->currentIndex());
    style.wrap = m_ui->umbrechen->isChecked();
    style.fontFamily = m_ui->schriftart->currentText();
    style.fontSize = m_ui->schriftgrad->value();
    style.bold = m_ui->fett->isChecked();
    style.italic = m_ui->kursiv->isChecked();
    style.underline = m_ui->unterstrichen->isChecked();
    style.textColour = m_ui->textfarbe->currentData().value<QColor>();
    style.fillColour = m_ui->fuellung->currentData().value<QColor>();
    style.left.line = borderLines[m_ui->rahmenLinks->currentIndex()];
    style.top.line = borderLines[m_ui->rahmenOben->currentIndex()];
    style.right.line = borderLines[m_ui->rahmenRechts->currentIndex()];
    style.bottom.line = borderLines[m_ui->rahmenUnten->currentIndex()];
    style.locked = m_ui->gesperrt->isChecked();
    style.formulaHidden = m_ui->formelAusblenden->isChecked();
    return style;
}

CellStyle FormatCellsDialog::applied(CellStyle style) const {
    const CellStyle changed = edited();
    const auto take = [&](auto member) {
        if (changed.*member != m_current.*member)
            style.*member = changed.*member;
    };
    take(&CellStyle::numberFormat);
    take(&CellStyle::horizontal);
    take(&CellStyle::vertical);
    take(&CellStyle::wrap);
    take(&CellStyle::fontFamily);
    take(&CellStyle::fontSize);
    take(&CellStyle::bold);
    take(&CellStyle::italic);
    take(&CellStyle::underline);
    take(&CellStyle::textColour);
    take(&CellStyle::fillColour);
    take(&CellStyle::left);
    take(&CellStyle::top);
    take(&CellStyle::right);
    take(&CellStyle::bottom);
    take(&CellStyle::locked);
    take(&CellStyle::formulaHidden);
    return style;
}

} // namespace velmora::sheet
