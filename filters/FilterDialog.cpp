#include "filters/FilterDialog.h"

#include "common/NumberText.h"
#include "windows/FormDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

const char* const markedRedProperty = "markedRed";

} // namespace

FilterDialog::FilterDialog(CalculationHost& host, QWidget* parent) : QDialog(parent), m_host(host) {}

void FilterDialog::connectCloseAndHelp(QPushButton* close, QPushButton* help, const QString& helpPage) {
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connectHelp(help, m_host, helpPage);
}

void FilterDialog::tell(const FormMessage& message) {
    velmora::tell(this, message);
}

void FilterDialog::warn(const QString& text, QWidget* control) {
    dialogs().message(this, DialogSeam::Icon::Warning, QStringLiteral("Velmora"), text);
    control->setFocus();
}

bool FilterDialog::ask(DialogSeam::Icon icon, const QString& question) {
    return dialogs().message(this, icon, QStringLiteral("Velmora"), question, DialogSeam::Buttons::YesNo) ==
           DialogSeam::Answer::Yes;
}

void FilterDialog::openReport(TMDIChild* window, const QString& name) {
    showTitledResultWindow(m_host, window, name);
    accept();
}

void showShapes(const ShapeEdits& e, const CircleSize& c, const RectangleSize& r) {
    e.diameter->setText(formatPattern(c.diameter, u"#0"));
    e.roundedDiameter->setText(formatPattern(c.roundedDiameter, u"#.###"));
    e.circleArea->setText(formatPattern(c.area, u"#0.000"));
    e.circleVolume->setText(formatPattern(c.volume, u"#0.000"));
    e.width->setText(formatPattern(r.width, u"#0"));
    e.length->setText(formatPattern(r.length, u"#0"));
    e.roundedWidth->setText(formatPattern(r.roundedWidth, u"#.###"));
    e.roundedLength->setText(formatPattern(r.roundedLength, u"#.###"));
    e.rectangleArea->setText(formatPattern(r.area, u"#0.000"));
    e.rectangleVolume->setText(formatPattern(r.volume, u"#0.000"));
}

int showFilterSplit(QComboBox* box, QLabel* share, QLineEdit* count) {
    if (box->currentText().isEmpty())
        box->setEditText(QStringLiteral("2"));
    const int filters = strictInteger(box->currentText()).value_or(2);
    share->setText(shareLabel(filters));
    count->setText(QString::number(filters));
    return filters;
}

std::optional<double> strictNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> strictInteger(const QString& text) {
    bool ok = false;
    const int value = QLocale().toInt(text, &ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString generalNumber(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

void markRed(QWidget* control, bool red) {
    // The style sheet is the control's own; the property lets tests and the batch tool read the mark.
    control->setStyleSheet(red ? QStringLiteral("color: red;") : QString());
    control->setProperty(markedRedProperty, red);
}

bool isMarkedRed(const QWidget* control) {
    return control->property(markedRedProperty).toBool();
}

} // namespace velmora
