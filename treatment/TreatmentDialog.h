#pragma once

#include "windows/FormMessage.h"
#include "windows/HeaderEdits.h"
#include "windows/WaterWindowData.h"

#include <optional>
#include <QDate>
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace velmora {

class CalculationHost;
class TMDIChild;
struct EngineState;

/// What the treatment and plant dialogs share: the active water they were shown for, their buttons,
/// and what becomes of a calculation.
class TreatmentDialog : public QDialog {
    Q_OBJECT
public:
    TreatmentDialog(CalculationHost& host, EngineState& engine, QWidget* parent);

protected:
    /// The show step's part on the water: the active water window loads its water into the engine and
    /// the dialog keeps it as its source. The window's header, or nullptr when no water window is active.
    const AnalysisHeader* takeActiveWater();

    /// The show step every one of these dialogs begins with: today's date, the active water taken, its header
    /// in the edits (empty edits without a water window) and the focus on the name. True when a water window
    /// is active.
    template <class Form>
    bool showActiveWater(Form& ui) {
        ui.DateTimePicker1->setDate(QDate::currentDate());
        const AnalysisHeader* header = takeActiveWater();
        showHeaderInEdits(ui, header ? *header : AnalysisHeader());
        ui.Analyse->setFocus();
        return header != nullptr;
    }

    /// "OK" runs `okClick` once the dialog has a water, "Abbrechen" closes, "Hilfe" opens the page named in
    /// `helpPage`.
    void connectButtons(QPushButton* ok, QPushButton* cancel, QPushButton* help, const QLineEdit* helpPage);
    /// "Abbrechen" and "Hilfe" only, for the dialogs that calculate without a water.
    void connectCancelAndHelp(QPushButton* cancel, QPushButton* help, const QLineEdit* helpPage);
    virtual void okClick() = 0;

    /// Opens a result window the dialog built, titled by `name` made unique, and closes the dialog.
    void openResultWindow(TMDIChild* window, const QString& name);

    /// Acts on the form's result for a treated water: done opens it as a new water window with `header`
    /// and closes the dialog; abandoned closes the dialog after the message, if any; told shows it.
    void concludeWithWater(const AnalysisHeader& header, const FormResult& result);

    CalculationHost& m_host;
    EngineState& m_engine;
    std::optional<WaterWindowData> m_source; ///< the active water when the dialog was shown
};

} // namespace velmora
