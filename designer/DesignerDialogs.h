#pragma once

#include <optional>
#include <QString>

class QWidget;

namespace tabrix {

/// Every modal question and file dialog of the designer passes through this interface, so that tests
/// answer them from a script instead of blocking on a window.
class DesignerDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    /// A path and the file-type code chosen in the save dialog.
    struct SaveChoice {
        QString path;
        int code;
    };

    virtual ~DesignerDialogs() = default;

    /// A message box titled "Tabrix" with an OK button.
    virtual void tell(QWidget* parent, const QString& text) = 0;
    /// The About dialog: `text` under the program's icon, with an OK button.
    virtual void about(QWidget* parent, const QString& text) = 0;
    /// A question titled "Tabrix" with Yes, No and Cancel.
    virtual Answer ask(QWidget* parent, const QString& text) = 0;
    /// An existing file chosen in an open dialog; empty when cancelled.
    virtual QString openPath(QWidget* parent, const QString& caption, const QString& filters) = 0;
    /// The save dialog with the proposed name and the format of `code` chosen; empty when cancelled.
    virtual std::optional<SaveChoice> savePath(QWidget* parent, const QString& proposal, int code) = 0;
};

/// The designer's seam: the Qt dialogs unless a test has set its own.
DesignerDialogs& designerDialogs();
/// Replaces the seam; nullptr restores the Qt dialogs. The caller keeps ownership.
void setDesignerDialogs(DesignerDialogs* dialogs);

} // namespace tabrix
