#pragma once

#include "sheet/edit/Sorting.h"

#include <memory>
#include <QDialog>

class QComboBox;

namespace Ui {
class SortDialog;
}

namespace velmora::sheet {

/// "Sortieren": up to three keys, each ascending or descending, and whether rows or columns are sorted;
/// the keys offered are the columns (or rows) of the range.
class SortDialog : public QDialog {
    Q_OBJECT
public:
    SortDialog(const CellRange& range, QWidget* parent = nullptr);
    ~SortDialog() override;

    SortOrder order() const;

private:
    void offerKeys();

    std::unique_ptr<Ui::SortDialog> m_ui;
    CellRange m_range;
};

} // namespace velmora::sheet
