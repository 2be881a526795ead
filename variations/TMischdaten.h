#pragma once

#include "ui_TMischdaten.h"
#include "variations/Mixing.h"
#include "variations/MixingForm.h"

#include <QDialog>

namespace velmora {

class CalculationHost;
struct EngineState;

/// "Mischwasserberechnung": open waters mixed at fixed shares into a new water window, or two waters A and
/// B in eleven steps into a mixing window.
class TMischdaten : public QDialog {
    Q_OBJECT
public:
    TMischdaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: today's date, the open water windows in the lists, the last one's title as name.
    void prepare();

    const MixingRecords& workingRecords() const { return m_records; }

public Q_SLOTS:
    void okClick();

private:
    void mixSeriesClick(const AnalysisHeader& header);
    void mixFixedRatioClick(const AnalysisHeader& header);
    void updateSeriesRemark();
    void startMoved(int position);
    void endMoved(int position);
    void startEdited();
    void endEdited();

    Ui::TMischdaten m_ui;
    CalculationHost& m_host;
    EngineState& m_engine;
    QList<MixableWater> m_waters;
    MixingRecords m_records; ///< the working records, kept for the program's run
};

} // namespace velmora
