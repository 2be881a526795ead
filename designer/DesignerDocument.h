#pragma once

#include <memory>
#include <QObject>

class QWidget;

namespace velmora::sheet {
class WorkbookDocument;
}

namespace tabrix {

/// One workbook of the designer, shown in one or more windows: where it lives (an empty path for a new
/// one), the file-type code it was read from or is written in, and its title ("Book1", or the file's
/// name).
class DesignerDocument : public QObject {
    Q_OBJECT
public:
    /// A new, empty document with that title, in the native format.
    explicit DesignerDocument(const QString& title, QObject* parent = nullptr);
    ~DesignerDocument() override;

    /// Reads the file into the document; raises SheetError when it cannot be read.
    void open(const QString& path);

    const QString& path() const { return m_path; }
    int code() const { return m_code; }
    const QString& title() const { return m_title; }
    bool isModified() const;
    /// The workbook with its undo history, which every window of the document shows.
    velmora::sheet::WorkbookDocument& content() const { return *m_content; }
    std::shared_ptr<velmora::sheet::WorkbookDocument> sharedContent() const { return m_content; }

    /// Writes the document under its path in its code; a new or read-only one goes through saveAs().
    /// False when cancelled or failed (the failure is reported). Questions are asked over `window`.
    bool save(QWidget* window);
    bool saveAs(QWidget* window);
    /// Whether the document may go: a changed one asks "Save changes to %1?".
    bool mayClose(QWidget* window);

Q_SIGNALS:
    /// The title or the modified state changed.
    void titleChanged();

private:
    /// Save As with the dialog starting at the format of `code`.
    bool saveAsIn(QWidget* window, int code);
    /// Writes the workbook; the failure is reported, and a file this write began is removed.
    bool write(QWidget* window, const QString& path, int code, bool hadPath);
    void setPathAndTitle(const QString& path);
    /// The workbook's title, which printing puts in the page headers.
    void setWorkbookTitle(const QString& title);

    std::shared_ptr<velmora::sheet::WorkbookDocument> m_content;
    QString m_path;
    int m_code;
    QString m_title;
};

} // namespace tabrix
