#pragma once

#include "sheet/model/DrawingObject.h"

#include <memory>
#include <QDialog>

namespace Ui {
class FormatObjectDialog;
}

namespace velmora::sheet {

/// "Objekt formatieren": line colour and width, fill, and what the object's kind has besides: its text,
/// a check box's state, the source range and entry of a list, a chart's data and type. It starts from
/// the first selected object; applied to the others it changes only what the user changed. OK is offered
/// only while the source range is one.
class FormatObjectDialog : public QDialog {
    Q_OBJECT
public:
    explicit FormatObjectDialog(const DrawingObject& current, QWidget* parent = nullptr);
    ~FormatObjectDialog() override;

    /// `object` with the changes made in the dialog.
    DrawingObject applied(DrawingObject object) const;

private:
    DrawingObject edited() const;
    void checkSource();

    std::unique_ptr<Ui::FormatObjectDialog> m_ui;
    DrawingObject m_current;
};

} // namespace velmora::sheet
