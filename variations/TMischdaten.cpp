#include "variations/TMischdaten.h"

#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "engine/Engine.h"
#include "variations/TMischwasserF.h"
#include "windows/CalculationHost.h"
#include "windows/FormDialogs.h"
#include "windows/HeaderEdits.h"
#include "windows/NewWaterWindow.h"
#include "windows/TWasserF.h"

#include <QDate>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace velmora {

namespace {

constexpr int shareColumn = 0;
constexpr int waterColumn = 1;

// Shares are edited in place with the keys of a decimal number.
class ShareDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        NumericKeyFilter::install(editor);
        return editor;
    }
};

// A track bar's mirror: an empty text is 0, the value is clamped to the bar, another text becomes `other`.
void mirrorToBar(QLineEdit* edit, QSlider* bar, const QString& other) {
    if (edit->text().trimmed().isEmpty())
        edit->setText(QStringLiteral("0"));
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (!ok)
        return edit->setText(other);
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
    edit->setText(QString::number(bar->value()));
}

} // namespace

TMischdaten::TMischdaten(CalculationHost& host, EngineState& engine, QWidget* parent)
    : QDialog(parent), m_host(host), m_engine(engine) {
    m_ui.setupUi(this);
    m_ui.ListView1->setItemDelegateForColumn(shareColumn, new ShareDelegate(m_ui.ListView1));
    m_ui.ListView1->setColumnWidth(shareColumn, 100);
    m_ui.ListView1->header()->setMinimumSectionSize(60);
    m_ui.ListView1->header()->setStretchLastSection(true);
    m_ui.ListView1->setMinimumWidth(100 + 180);
    for (QLineEdit* mirror : {m_ui.lstart, m_ui.lend})
        mirror->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), mirror));

    connect(m_ui.TrackBar1, &QSlider::valueChanged, this, &TMischdaten::startMoved);
    connect(m_ui.TrackBar2, &QSlider::valueChanged, this, &TMischdaten::endMoved);
    connect(m_ui.lstart, &QLineEdit::textEdited, this, &TMischdaten::startEdited);
    connect(m_ui.lend, &QLineEdit::textEdited, this, &TMischdaten::endEdited);
    connect(m_ui.ListBox1, &QListWidget::itemClicked, this, &TMischdaten::updateSeriesRemark);
    connect(m_ui.ListBox2, &QListWidget::itemClicked, this, &TMischdaten::updateSeriesRemark);
    connect(m_ui.PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 0)
            m_ui.Anmerkung2->clear();
        else
            updateSeriesRemark();
    });
    connect(m_ui.ok, &QPushButton::clicked, this, &TMischdaten::okClick);
    connect(m_ui.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connectHelp(m_ui.hilfe, m_host, m_ui.hilfedatei->text());
}

void TMischdaten::prepare() {
    m_ui.DateTimePicker1->setDate(QDate::currentDate());
    m_ui.ListView1->clear();
    m_ui.ListBox1->clear();
    m_ui.ListBox2->clear();
    m_ui.Anmerkung2->clear();
    m_waters.clear();
    for (const TMDIChild* child : m_host.resultWindows()) {
        const auto* water = dynamic_cast<const TWasserF*>(child);
        if (!water)
            continue;
        m_waters.push_back({water->caption(), &water->record().water});
        auto* row = new QTreeWidgetItem(m_ui.ListView1, {QStringLiteral("0"), water->caption()});
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        m_ui.ListBox1->addItem(water->caption());
        m_ui.ListBox2->addItem(water->caption());
        m_ui.Analyse->setText(water->caption());
    }
    m_ui.Analyse->setFocus();
}

void TMischdaten::updateSeriesRemark() {
    const QListWidgetItem* a = m_ui.ListBox1->currentItem();
    const QListWidgetItem* b = m_ui.ListBox2->currentItem();
    if (a && b && a->isSelected() && b->isSelected())
        m_ui.Anmerkung2->setText(seriesRemark(a->text(), b->text()));
}

void TMischdaten::startMoved(int position) {
    m_ui.Label10->setText(QString::number(position));
    m_ui.Label11->setText(QString::number(100 - position));
    m_ui.lstart->setText(QString::number(position));
}

void TMischdaten::endMoved(int position) {
    m_ui.Label12->setText(QString::number(position));
    m_ui.Label13->setText(QString::number(100 - position));
    m_ui.lend->setText(QString::number(position));
}

void TMischdaten::startEdited() {
    mirrorToBar(m_ui.lstart, m_ui.TrackBar1, QStringLiteral("0"));
}

void TMischdaten::endEdited() {
    mirrorToBar(m_ui.lend, m_ui.TrackBar2, QStringLiteral("100"));
}

void TMischdaten::okClick() {
    const AnalysisHeader header = headerOfEdits(m_ui);
    if (m_ui.PageControl1->currentIndex() == 0)
        mixFixedRatioClick(header);
    else
        mixSeriesClick(header);
}

void TMischdaten::mixSeriesClick(const AnalysisHeader& header) {
    const auto selected = [](const QListWidget* list) {
        const QListWidgetItem* item = list->currentItem();
        return item && item->isSelected() ? list->row(item) : -1;
    };
    const FormResult result =
        runMixingSeriesForm(m_engine, m_records, header, m_waters, selected(m_ui.ListBox1),
                            selected(m_ui.ListBox2), m_ui.TrackBar1->value(), m_ui.TrackBar2->value());
    if (result.step != FormResult::Step::Done)
        return tell(this, result.message);
    showTitledResultWindow(m_host, new TMischwasserF(m_host.windowHost(), MixingRecord(m_records)),
                           m_ui.Analyse->text());
    accept();
}

void TMischdaten::mixFixedRatioClick(const AnalysisHeader& header) {
    QList<ShareRow> rows;
    for (int i = 0; i < m_ui.ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_ui.ListView1->topLevelItem(i);
        rows.push_back({row->text(shareColumn), row->text(waterColumn)});
    }
    const FormResult result = runFixedRatioForm(m_engine, m_records.mixture, header, m_waters, rows);
    if (result.step != FormResult::Step::Done)
        return tell(this, result.message);
    showNewWaterWindow(m_host, m_engine, header);
    accept();
}

} // namespace velmora
