#include "sheet/view/FormatObjectDialog.h"

#include "sheet/model/Sheet.h"
#include "sheet/view/ColourChoice.h"
#include "ui_FormatObjectDialog.h"

#include <QPushButton>

namespace velmora::sheet {

namespace {

using Kind = DrawingObject::Kind;

constexpr DrawingObject::ChartType chartTypes[] = {
    DrawingObject::ChartType::Bar, DrawingObject::ChartType::Line, DrawingObject::ChartType::Pie};

bool hasText(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::Button || kind == Kind::CheckBox || kind == Kind::Chart;
}

bool hasSource(Kind kind) {
    return kind == Kind::ListBox || kind == Kind::Chart;
}

bool isFilled(Kind kind) {
    return kind != Kind::Line && kind != Kind::Arc;
}

} // namespace

FormatObjectDialog::FormatObjectDialog(const DrawingObject& current, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::FormatObjectDialog>()), m_current(current) {
    m_ui->setupUi(this);
    fillColours(m_ui->linienfarbe, false, current.lineColour);
    fillColours(m_ui->fuellfarbe, true, current.fillColour);
    m_ui->linienstaerke->setValue(current.lineWidth);
    m_ui->text->setPlainText(current.text);
    m_ui->aktiviert->setChecked(current.checked);
    m_ui->quelle->setText(current.source ? rangeReference(*current.source) : QString());
    m_ui->auswahl->setValue(current.selectedEntry);
    m_ui->diagrammtyp->addItems(
        {QStringLiteral("Balken"), QStringLiteral("Linien"), QStringLiteral("Kreis")});
    m_ui->diagrammtyp->setCurrentIndex(int(
        std::find(std::begin(chartTypes), std::end(chartTypes), current.chartType) - std::begin(chartTypes)));
    // Only what the object's kind has can be changed.
    const Kind kind = current.kind;
    m_ui->fuellfarbe->setEnabled(isFilled(kind));
    m_ui->text->setEnabled(hasText(kind));
    m_ui->aktiviert->setEnabled(kind == Kind::CheckBox);
    m_ui->quelle->setEnabled(hasSource(kind));
    m_ui->auswahl->setEnabled(kind == Kind::ListBox);
    m_ui->diagrammtyp->setEnabled(kind == Kind::Chart);
    connect(m_ui->quelle, &QLineEdit::textChanged, this, &FormatObjectDialog::checkSource);
}

FormatObjectDialog::~FormatObjectDialog() = default;

void FormatObjectDialog::checkSource() {
    std::optional<CellRange> source;
    m_ui->knoepfe->button(QDialogButtonBox::Ok)->setEnabled(parseTypedRange(m_ui->quelle->text(), source));
}

DrawingObject FormatObjectDialog::edited() const {
    DrawingObject object = m_current;
    object.lineColour = m_ui->linienfarbe->currentData().value<QColor>();
    object.lineWidth = m_ui->linienstaerke->value();
    object.fillColour = m_ui->fuellfarbe->currentData().value<QColor>();
    object.text = m_ui->text->toPlainText();
    object.checked = m_ui->aktiviert->isChecked();
    parseTypedRange(m_ui->quelle->text(), object.source);
    object.selectedEntry = m_ui->auswahl->value();
    object.chartType = chartTypes[std::max(0, m_ui->diagrammtyp->currentIndex())];
    return object;
}

DrawingObject FormatObjectDialog::applied(DrawingObject object) const {
    const DrawingObject changed = edited();
    const auto take = [&](auto member) {
        if (changed.*member != m_current.*member)
            object.*member = changed.*member;
    };
    take(&DrawingObject::lineColour);
    take(&DrawingObject::lineWidth);
    take(&DrawingObject::fillColour);
    take(&DrawingObject::text);
    take(&DrawingObject::checked);
    take(&DrawingObject::source);
    take(&DrawingObject::selectedEntry);
    take(&DrawingObject::chartType);
    return object;
}

} // namespace velmora::sheet
