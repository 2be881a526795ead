#include "filters/TFeMnForm.h"

#include "common/NumberText.h"
#include "common/NumericKeyFilter.h"
#include "filters/FilterReports.h"

#include <QSignalBlocker>

namespace velmora {

TFeMnForm::TFeMnForm(CalculationHost& host, QWidget* parent) : FilterDialog(host, parent) {
    m_ui.setupUi(this);
    m_ui.KornDurchmesser->addItems(grainSizeItems());
    m_ui.FilLeis->addItems(filterCountItems());
    m_ui.REVerh->addItems(filterRatioItems());
    for (QObject* input : std::initializer_list<QObject*>{
             m_ui.Eisen, m_ui.pHWert, m_ui.Sauerstoff, m_ui.KornDurchmesser, m_ui.WasserTemperatur,
             m_ui.Filterschichthoehe, m_ui.VolStrom, m_ui.FilLeis, m_ui.REVerh})
        NumericKeyFilter::install(input);

    connect(m_ui.DimBt, &QPushButton::clicked, this, &TFeMnForm::calculateClick);
    connect(m_ui.Button1, &QPushButton::clicked, this, &TFeMnForm::okClick);
    connectCloseAndHelp(m_ui.Beenden, m_ui.hilfe, QStringLiteral("enteisenungsfilter.htm"));
    connect(m_ui.FilLeis, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (const QString valid = validFilterCount(text); valid != text)
            return m_ui.FilLeis->setEditText(valid);
        showSplit();
        if (hasFlow())
            dimension();
    });
    connect(m_ui.KornDurchmesser, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            m_ui.KornDurchmesser->setEditText(QStringLiteral("1"));
    });
    connect(m_ui.REVerh, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text.isEmpty()) {
            m_ui.REVerh->setEditText(QStringLiteral("1"));
            dimension();
        } else if (m_ui.FlaechProFil->text() != u"0") {
            dimension();
        }
    });
    connect(m_ui.KreisRB, &QRadioButton::toggled, m_ui.KreisPL, &QWidget::setVisible);
    connect(m_ui.RechteckRB, &QRadioButton::toggled, m_ui.RechteckPL, &QWidget::setVisible);
    connect(m_ui.KreisRB, &QRadioButton::clicked, this, [this] {
        if (strictNumber(m_ui.KRDurchG->text()).value_or(0.0) > 0.0 && hasFlow())
            dimension();
    });
    connect(m_ui.RechteckRB, &QRadioButton::clicked, this, [this] {
        markRed(m_ui.FilLeis, false);
        if (strictNumber(m_ui.FlaechProFil->text()).value_or(0.0) > 0.0 && hasFlow())
            dimension();
    });
    connect(m_ui.DruckRB, &QRadioButton::clicked, this, [this] {
        m_ui.RechteckRB->setEnabled(false);
        m_ui.KreisRB->setChecked(true);
    });
    connect(m_ui.OffenRB, &QRadioButton::clicked, this, [this] {
        m_ui.KreisRB->setChecked(true);
        m_ui.RechteckRB->setEnabled(true);
    });
    connect(m_ui.KRDurchG, &QLineEdit::textChanged, this, [this] {
        const bool red = circleTooWide();
        markRed(m_ui.FilLeis, red);
        markRed(m_ui.KRDurchG, red);
    });
}

void TFeMnForm::prepare() {
    m_ui.DateTimePicker1->setDate(QDate::currentDate());
    m_ui.DimBt->setFocus();
    for (QLineEdit* edit : {m_ui.Eisen,
                            m_ui.pHWert,
                            m_ui.Sauerstoff,
                            m_ui.WasserTemperatur,
                            m_ui.Filterschichthoehe,
                            m_ui.VolStrom,
                            m_ui.CWert,
                            m_ui.FilterGeschwindigkeit,
                            m_ui.FilGeschwGew,
                            m_ui.FilHoehe,
                            m_ui.FilVol,
                            m_ui.FilFlaeche,
                            m_ui.FlaechProFil,
                            m_ui.KRDurch,
                            m_ui.KRDurchG,
                            m_ui.KRFlaecheNeu,
                            m_ui.KRVolNeu,
                            m_ui.REBreite,
                            m_ui.RELaenge,
                            m_ui.REBreiteG,
                            m_ui.RELaengeG,
                            m_ui.REFlaecheNeu,
                            m_ui.REVolNeu})
        edit->setText(QStringLiteral("0"));
    m_ui.KornDurchmesser->setEditText(QStringLiteral("1"));
    m_ui.REVerh->setEditText(QStringLiteral("3"));
    m_ui.FilLeis->setEditText(QStringLiteral("2"));
    m_ui.OffenRB->setEnabled(true);
    m_ui.OffenRB->setChecked(true);
    m_ui.RechteckRB->setEnabled(true);
    m_ui.KreisRB->setChecked(true);
    markRed(m_ui.FilterGeschwindigkeit, false);
    showSplit();
    if (const TFeMnReport* report = activeReport<TFeMnReport>())
        takeReport(report->record());
}

void TFeMnForm::takeReport(const IronFilterRecord& report) {
    const IronFilterRecord::Inputs& in = report.inputs;
    {
        const QSignalBlocker blockFilters(m_ui.FilLeis);
        const QSignalBlocker blockRatio(m_ui.REVerh);
        m_ui.VolStrom->setText(generalNumber(in.flow));
        m_ui.Filterschichthoehe->setText(generalNumber(in.bedHeight));
        m_ui.FilLeis->setEditText(validFilterCount(QString::number(in.filters)));
        m_ui.Eisen->setText(generalNumber(in.iron));
        m_ui.Sauerstoff->setText(generalNumber(in.oxygen));
        m_ui.pHWert->setText(generalNumber(in.pH));
        m_ui.WasserTemperatur->setText(generalNumber(in.temperature));
        m_ui.KornDurchmesser->setEditText(generalNumber(in.grain));
        m_ui.REVerh->setEditText(generalNumber(in.ratio));
    }
    showHeader(m_ui, report.head.header);
    showSplit();
    // The report's own velocity and shape, so that the dialog shows its design again.
    if (report.head.index == 0 && !m_ui.DruckRB->isChecked())
        m_ui.RechteckRB->setChecked(true);
    if (computeVelocity())
        chooseVelocityAndDimension(in.velocity);
}

bool TFeMnForm::computeVelocity() {
    const std::optional<IronWater> read = waterOfEdits();
    if (!read)
        return notAllConverted();
    const IronWater& water = *read;
    if (const std::optional<FormMessage> limit = ironLimitMessage(water)) {
        tell(*limit);
        return false;
    }
    const std::optional<IronVelocity> velocity = ironVelocity(water);
    if (!velocity)
        return notAllConverted();
    m_ui.CWert->setText(formatPattern(velocity->c, u"#0.0000"));
    m_ui.FilterGeschwindigkeit->setText(formatPattern(velocity->velocity, u"#0.000"));
    m_ui.FilHoehe->setText(generalNumber(velocity->shellHeight));
    m_ui.FilGeschwGew->setText(formatPattern(velocity->velocity, u"#,##0.00"));
    m_record.design.water = water;
    m_record.design.velocity = *velocity;
    return true;
}

bool TFeMnForm::chooseVelocityAndDimension(std::optional<double> handedOver) {
    if (!hasFlow())
        return notAllConverted(); // nothing to dimension
    if (m_record.design.velocity.velocity > largestIronVelocity) {
        for (QWidget* control :
             {static_cast<QWidget*>(m_ui.lFilGeschwGew), static_cast<QWidget*>(m_ui.uFilGeschwGew),
              static_cast<QWidget*>(m_ui.FilGeschwGew)})
            control->setEnabled(true);
        std::optional<double> chosen =
            handedOver && *handedOver < largestIronVelocity ? handedOver : std::nullopt;
        while (!chosen) {
            dialogs().message(
                this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"),
                QStringLiteral("Die Filtrationsgeschwindigkeit ist größer als 28 m/h. Geben Sie "
                               "eine neue Geschwindigkeit ein."));
            const std::optional<QString> entered =
                dialogs().text(this, QStringLiteral("Eingabe"), QStringLiteral("Filtrationsgeschwindigkeit"),
                               QStringLiteral("15"));
            if (!entered)
                return false;
            // A text that is no number is asked for again, as a velocity that is still too high is.
            chosen = strictNumber(*entered);
            if (chosen && *chosen >= largestIronVelocity)
                chosen.reset();
        }
        m_chosenVelocity = *chosen;
        m_ui.FilGeschwGew->setText(formatPattern(m_chosenVelocity, u"#0.000"));
    } else {
        m_chosenVelocity = strictNumber(m_ui.FilGeschwGew->text()).value_or(0.0);
        m_ui.FilGeschwGew->setText(formatPattern(m_chosenVelocity, u"#,##0.00"));
    }
    m_record.design.chosenVelocity = m_chosenVelocity;

    if (m_chosenVelocity > largestOpenFilterVelocity) {
        if (!m_ui.DruckRB->isChecked())
            dialogs().message(
                this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"),
                QStringLiteral("Da die Filtrationsgeschwindigkeit größer als 7 m/h ist kommt nur "
                               "eine Filtration im Druckfilter in Frage."));
        m_ui.DruckRB->setChecked(true);
        m_ui.OffenRB->setEnabled(false);
        m_ui.KreisRB->setChecked(true);
        m_ui.RechteckRB->setEnabled(false);
    } else {
        m_ui.OffenRB->setEnabled(true);
        m_ui.OffenRB->setChecked(true);
        m_ui.RechteckRB->setEnabled(true);
    }
    m_record.design.pressureFilter = m_ui.OffenRB->isChecked() && m_ui.OffenRB->isEnabled() ? 0 : 1;
    m_record.design.rectangle = m_ui.KreisRB->isChecked() && m_ui.KreisRB->isEnabled() ? 0 : 1;
    return dimension();
}

bool TFeMnForm::dimension() {
    const std::optional<double> flow = strictNumber(m_ui.VolStrom->text());
    const std::optional<int> filters = strictInteger(m_ui.FilAnz->text());
    const std::optional<double> ratio = strictNumber(m_ui.REVerh->currentText());
    const double shellHeight = m_record.design.velocity.shellHeight;
    const std::optional<IronFilterSize> size =
        flow && filters && ratio ? dimensionIronFilter(*flow, m_chosenVelocity, shellHeight, *filters, *ratio)
                                 : std::nullopt;
    const std::optional<IronWater> water = waterOfEdits();
    const std::optional<int> split = strictInteger(m_ui.FilLeis->currentText());
    const std::optional<double> chosen = strictNumber(m_ui.FilGeschwGew->text());
    if (!size || !water || !split || !chosen)
        return notAllConverted();
    const IronFilterSize& s = *size;
    m_ui.FilVol->setText(formatPattern(s.volume, u"#0.000"));
    m_ui.FilFlaeche->setText(formatPattern(s.area, u"#0.000"));
    m_ui.FlaechProFil->setText(formatPattern(s.areaPerFilter, u"#0.000"));
    showShapes({m_ui.KRDurch, m_ui.KRDurchG, m_ui.KRFlaecheNeu, m_ui.KRVolNeu, m_ui.REBreite, m_ui.RELaenge,
                m_ui.REBreiteG, m_ui.RELaengeG, m_ui.REFlaecheNeu, m_ui.REVolNeu},
               s.circle, s.rectangle);
    m_record.design.size = s;

    m_record.head.index = m_ui.KreisRB->isChecked() ? 1 : 0;
    IronFilterRecord::Inputs& in = m_record.inputs;
    in = {};
    in.iron = water->iron;
    in.oxygen = water->oxygen;
    in.pH = water->pH;
    in.temperature = water->temperature;
    in.openFilter = m_ui.OffenRB->isChecked() ? 1 : 0;
    in.filters = *split;
    in.grain = water->grain;
    in.bedHeight = water->bedHeight;
    in.velocity = *chosen;
    in.ratio = *ratio;
    in.flow = *flow;
    m_record.head.header = headerOf(m_ui);
    return true;
}

void TFeMnForm::showSplit() {
    const int filters = showFilterSplit(m_ui.FilLeis, m_ui.Prozent1, m_ui.FilAnz);
    m_record.design.filters = filters;
    m_record.design.splitFilters = filters;
    m_record.design.share = 100.0 / (filters - 1);
}

std::optional<IronWater> TFeMnForm::waterOfEdits() const {
    const std::optional<double> iron = strictNumber(m_ui.Eisen->text());
    const std::optional<double> pH = strictNumber(m_ui.pHWert->text());
    const std::optional<double> oxygen = strictNumber(m_ui.Sauerstoff->text());
    const std::optional<double> grain = strictNumber(m_ui.KornDurchmesser->currentText());
    const std::optional<double> temperature = strictNumber(m_ui.WasserTemperatur->text());
    const std::optional<double> bedHeight = strictNumber(m_ui.Filterschichthoehe->text());
    if (!iron || !pH || !oxygen || !grain || !temperature || !bedHeight)
        return std::nullopt;
    return IronWater{*iron, *pH, *oxygen, *grain, *temperature, *bedHeight};
}

bool TFeMnForm::notAllConverted() {
    dialogs().message(this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"),
                      QStringLiteral("Es wurden nicht alle Werte korrekt eingegeben.\r\nBitte korrigieren!"));
    return false;
}

bool TFeMnForm::hasFlow() const {
    return strictNumber(m_ui.VolStrom->text()).value_or(0.0) > 0.0;
}

bool TFeMnForm::circleTooWide() const {
    // The limit includes 3600 mm.
    return m_ui.KreisRB->isChecked() &&
           strictNumber(m_ui.KRDurchG->text()).value_or(0.0) >= largestFilterDiameter;
}

void TFeMnForm::calculateClick() {
    if (!computeVelocity() || !chooseVelocityAndDimension())
        return;
    if (circleTooWide())
        dialogs().message(
            this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"),
            QStringLiteral("Der Durchmesser eines Filters sollte nicht größer sein als 3600mm.\r\n"
                           "Bitte ändern Sie die Leistungsaufteilung zur Verkleinerung des "
                           "Durchmessers,\r\noder wählen Sie einen rechteckigen Querschnitt."));
}

void TFeMnForm::okClick() {
    if (m_ui.Ana->text().trimmed().isEmpty())
        return tell(missingNameFormMessage(QStringLiteral("Ana")));
    if (!computeVelocity() || !chooseVelocityAndDimension())
        return;
    if (circleTooWide() && !ask(DialogSeam::Icon::Warning,
                                QStringLiteral("Der Durchmesser eines Filters sollte nicht größer sein als "
                                               "3600 mm.\r\n\r\nMöchten Sie dennoch fortfahren?")))
        return;
    openReport(new TFeMnReport(m_host.windowHost(), m_record), m_ui.Ana->text());
}

} // namespace velmora
