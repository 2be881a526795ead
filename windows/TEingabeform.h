#pragma once

#include "engine/Solver.h"
#include "ui_TEingabeform.h"

#include <optional>
#include <QButtonGroup>
#include <QDialog>
#include <vector>

namespace velmora {

class CalculationHost;
class WaterSource;
struct EngineState;

/// "Eingabe der Wasserkenndaten": the analysis as the user measured it, evaluated with the chosen input
/// method into a new water-analysis window.
class TEingabeform : public QDialog {
    Q_OBJECT
public:
    TEingabeform(CalculationHost& host, EngineState& engine, QWidget* parent = nullptr);

    /// The show step: pre-fills from the active water window, selects the first method, sets the date.
    void prepare();
    /// The input method of the selected item, 1 to 7.
    int method() const;
    void selectItem(int item);

    /// Fills the fields an import names (object name, text) and updates each ion's pair of concentrations
    /// as leaving its edits would.
    void takeImport(const std::vector<std::pair<QString, QString>>& fieldTexts);
    /// The engine run of the last "&Berechnen" that reached it.
    const SearchResult& lastSearch() const { return m_lastSearch; }

    /// The title the next window gets.
    const QString& PendingTitle() const { return m_pendingTitle; }

public Q_SLOTS:
    void BitBtn1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void showEditsOfItem();
    void prefillFrom(const WaterSource& window);
    void convertIon(int ion, bool fromAmount);
    QLineEdit* edit(const QString& objectName) const;

    Ui::TEingabeform m_ui;
    CalculationHost& m_host;
    EngineState& m_engine;
    QButtonGroup m_methods;
    QString m_pendingTitle;
    SearchResult m_lastSearch;
    std::array<QLineEdit*, 7> m_amounts;
    std::array<QLineEdit*, 7> m_masses;
};

} // namespace velmora
