#pragma once

#include "filters/FilterDialog.h"
#include "filters/FilterRecords.h"
#include "filters/SandFilter.h"
#include "ui_TSandfilter.h"

class QButtonGroup;

namespace velmora {

/// "Sandfilter": open or pressure sand filters for three kinds of filtration, single- or multi-layer,
/// dimensioned from the flow, the number of filters, a velocity and a bed height in their ranges.
class TSandfilter : public FilterDialog {
    Q_OBJECT
public:
    explicit TSandfilter(CalculationHost& host, QWidget* parent = nullptr);

    /// The show step: the lists of the choices and no results; an active sand-filter window hands its
    /// design back.
    void prepare();

private:
    SandChoice choice() const;
    /// The velocities and bed height of the choices, and no results.
    void prepareLists();
    void layeringClicked();
    void showShare();
    /// The checks of "Berechnen" and "OK", then the calculation; false when a check or the calculation
    /// stops. Texts that do not convert are told.
    bool checkAndCalculate();
    bool calculate();
    void clearResults();
    void takeReport(const SandFilterRecord& report);
    void okClick();

    Ui::TSandfilter m_ui;
    QButtonGroup* m_filterType = nullptr;
    QButtonGroup* m_layering = nullptr;
    SandFilterRecord m_record; ///< the working record
    bool m_okMode = false;
    bool m_cancelled = false; ///< the user declined to go on with a slow velocity in "OK"
};

} // namespace velmora
