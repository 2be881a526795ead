#include "sheet/view/SortDialog.h"

#include "ui_SortDialog.h"

namespace velmora::sheet {

SortDialog::SortDialog(const CellRange& range, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SortDialog>()), m_range(range) {
    m_ui->setupUi(this);
    connect(m_ui->zeilen, &QRadioButton::toggled, this, &SortDialog::offerKeys);
    offerKeys();
}

SortDialog::~SortDialog() = default;

// The first key is one of the lines; the others may be none.
void SortDialog::offerKeys() {
    const bool byRows = m_ui->zeilen->isChecked();
    const int first = byRows ? m_range.left : m_range.top;
    const int last = byRows ? m_range.right : m_range.bottom;
    QComboBox* boxes[] = {m_ui->schluessel1, m_ui->schluessel2, m_ui->schluessel3};
    for (QComboBox* box : boxes) {
        box->clear();
        if (box != m_ui->schluessel1)
            box->addItem(QStringLiteral("(keiner)"), 0);
        for (int line = first; line <= last; ++line)
            box->addItem(byRows ? QStringLiteral("Spalte ") + columnName(line)
                                : QStringLiteral("Zeile %1").arg(line),
                         line);
    }
}

SortOrder SortDialog::order() const {
    SortOrder order;
    order.byRows = m_ui->zeilen->isChecked();
    const std::pair<QComboBox*, QCheckBox*> keys[] = {{m_ui->schluessel1, m_ui->absteigend1},
                                                      {m_ui->schluessel2, m_ui->absteigend2},
                                                      {m_ui->schluessel3, m_ui->absteigend3}};
    for (const auto& [box, descending] : keys)
        if (const int line = box->currentData().toInt(); line > 0)
            order.keys.push_back({line, !descending->isChecked()});
    return order;
}

} // namespace velmora::sheet
