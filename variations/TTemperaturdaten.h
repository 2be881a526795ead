#pragma once

#include "ui_TTemperaturdaten.h"
#include "variations/VariationRecord.h"

#include <QDialog>

namespace velmora {

class CalculationHost;
class WaterSource;
struct EngineState;

/// "Berechnung der Temperaturabhängigkeit": the active water evaluated at eleven evaluation temperatures
/// into a temperature window.
class TTemperaturdaten : public QDialog {
    Q_OBJECT
public:
    TTemperaturdaten(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The main window's request before the dialog shows: the water goes into the engine and its inputs
    /// and method into the temperature record.
    void takeWater(const WaterSource& water);
    /// The show step: today's date, and the header of the active water window.
    void prepare();

    const VariationRecord& temperatureRecord() const { return m_record; }

public Q_SLOTS:
    void okClick();

private:
    Ui::TTemperaturdaten m_ui;
    CalculationHost& m_host;
    EngineState& m_engine;
    VariationRecord m_record; ///< the working record, kept for the program's run
};

} // namespace velmora
