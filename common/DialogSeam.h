#pragma once

#include <optional>
#include <QString>
#include <QStringList>

class QPrinter;
class QUrl;
class QWidget;

namespace velmora {

/// Every modal question and common dialog of the programs, and the shell's open verb, pass through
/// this one interface, so that tests answer them from a script instead of blocking on a window.
class DialogSeam {
public:
    enum class Icon { Information, Warning, Error, Confirmation };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~DialogSeam() = default;

    /// A message box with an icon, titled `title`.
    virtual Answer message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                           Buttons buttons = Buttons::Ok) = 0;
    /// Paths chosen in a file-open dialog; empty when cancelled. `filter` receives the chosen filter.
    virtual QStringList openFiles(QWidget* parent, const QString& caption, const QString& directory,
                                  const QString& filters, QString* filter) = 0;
    /// One existing file chosen in a file-open dialog; empty when cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& directory,
                             const QString& filters) = 0;
    /// A path chosen in a save dialog; empty when cancelled. `filter` carries the proposed filter in and
    /// the chosen one out.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& proposal,
                             const QString& filters, QString* filter) = 0;
    /// A directory chosen in a folder browser that shows `prompt` above the folders; empty when
    /// cancelled.
    virtual QString directory(QWidget* parent, const QString& caption, const QString& prompt,
                              const QString& start) = 0;
    /// The print dialog for `printer`; false when cancelled.
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
    /// A text asked for in an input box; empty when cancelled.
    virtual std::optional<QString> text(QWidget* parent, const QString& caption, const QString& label,
                                        const QString& initial) = 0;
    /// Hands a document, page or link to the program the desktop associates with it.
    virtual bool openUrl(const QUrl& url) = 0;
};

/// The program-wide seam: the Qt dialogs unless a test has set its own.
DialogSeam& dialogs();
/// Replaces the program-wide seam; nullptr restores the Qt dialogs. The caller keeps ownership.
void setDialogs(DialogSeam* seam);

} // namespace velmora
