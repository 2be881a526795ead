#pragma once

#include "filters/FilterDialog.h"
#include "filters/FilterRecords.h"
#include "ui_TFeMnForm.h"

namespace velmora {

/// "Enteisenung": an iron and manganese removal filter, its permissible velocity from the empirical
/// parameter C of the raw water, and the filters for the flow at the velocity chosen.
class TFeMnForm : public FilterDialog {
    Q_OBJECT
public:
    explicit TFeMnForm(CalculationHost& host, QWidget* parent = nullptr);

    /// The show step: every input and result back to "0"; an active iron-removal window hands its design
    /// back.
    void prepare();

private:
    /// The six inputs of the water and the bed, when all convert.
    std::optional<IronWater> waterOfEdits() const;
    /// C and the permissible velocity from the six inputs, checked against their limits.
    bool computeVelocity();
    /// The velocity chosen (asked for above 28 m/h unless `handedOver` gives it), the kind of filter it
    /// allows, and the filters.
    bool chooseVelocityAndDimension(std::optional<double> handedOver = std::nullopt);
    bool dimension();
    /// The share of each filter for the number chosen.
    void showSplit();
    /// Tells that a value does not convert or gives no number; false.
    bool notAllConverted();
    bool hasFlow() const;
    bool circleTooWide() const;
    void takeReport(const IronFilterRecord& report);
    void calculateClick();
    void okClick();

    Ui::TFeMnForm m_ui;
    IronFilterRecord m_record;   ///< the working record
    double m_chosenVelocity = 0; ///< vc, m/h; kept between uses
};

} // namespace velmora
