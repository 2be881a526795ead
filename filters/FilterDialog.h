#pragma once

#include "engine/AnalysisHeader.h"
#include "filters/FilterSizes.h"
#include "windows/CalculationHost.h"
#include "windows/FormMessage.h"

#include <optional>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class TMDIChild;

/// What the three filter dialogs share: their header edits "Ana", "Bearb", "DateTimePicker1", "Anm1" and
/// "Anm2", the report window they hand their inputs back from, the red marks of values out of range, and
/// the opening of their report.
class FilterDialog : public QDialog {
    Q_OBJECT
public:
    FilterDialog(CalculationHost& host, QWidget* parent);

protected:
    /// The header of the report, the date as the locale's short date.
    template <class Form>
    static AnalysisHeader headerOf(const Form& ui) {
        return AnalysisHeader(ui.Ana->text(), ui.Bearb->text(),
                              QLocale().toString(ui.DateTimePicker1->date(), QLocale::ShortFormat),
                              ui.Anm1->text(), ui.Anm2->text());
    }
    /// The texts a report hands back: all but the date.
    template <class Form>
    static void showHeader(Form& ui, const AnalysisHeader& header) {
        ui.Ana->setText(header.text(AnalysisHeader::Name));
        ui.Bearb->setText(header.text(AnalysisHeader::Editor));
        ui.Anm1->setText(header.text(AnalysisHeader::Remark1));
        ui.Anm2->setText(header.text(AnalysisHeader::Remark2));
    }

    /// The active result window when it is a `Report`, whose design the dialog takes back.
    template <class Report>
    const Report* activeReport() const {
        return dynamic_cast<const Report*>(m_host.activeResultWindow());
    }

    /// "Beenden" closes, "Hilfe" opens `helpPage`.
    void connectCloseAndHelp(QPushButton* close, QPushButton* help, const QString& helpPage);

    /// Shows `message` over the dialog and moves the focus to the control it names.
    void tell(const FormMessage& message);
    /// A warning about `control`, which then has the focus.
    void warn(const QString& text, QWidget* control);
    /// A question with the buttons Yes and No; true for Yes.
    bool ask(DialogSeam::Icon icon, const QString& question);

    /// Opens the report the dialog built, titled `name` made unique, and closes the dialog.
    void openReport(TMDIChild* window, const QString& name);

    CalculationHost& m_host;
};

/// The result edits of both shapes of a filter.
struct ShapeEdits {
    QLineEdit *diameter, *roundedDiameter, *circleArea, *circleVolume;
    QLineEdit *width, *length, *roundedWidth, *roundedLength, *rectangleArea, *rectangleVolume;
};
/// Shows both shapes: sizes as whole millimetres, rounded sizes with up to three decimals, cross-sections
/// and volumes with three.
void showShapes(const ShapeEdits& edits, const CircleSize& circle, const RectangleSize& rectangle);

/// The number of filters chosen in `box` (an empty text becomes "2"), with the share of each in `share`
/// and the number in `count`.
int showFilterSplit(QComboBox* box, QLabel* share, QLineEdit* count);

/// A number typed into a filter dialog, read with the locale's strict conversion.
std::optional<double> strictNumber(const QString& text);
std::optional<int> strictInteger(const QString& text);

/// A number as the dialogs show a value they take back: the locale's shortest form, no group separators.
QString generalNumber(double value);

/// Marks a value out of its range in red, or shows it in the normal text colour again.
void markRed(QWidget* control, bool red);
bool isMarkedRed(const QWidget* control);

} // namespace velmora
