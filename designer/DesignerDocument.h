#pragma once

#include <QWidget>

namespace velmora::sheet {
class SheetBook;
}

namespace tabrix {

/// One workbook of the designer in its window: where it lives (an empty path for a new one), the
/// file-type code it was read from or is written in, and its title ("Book1", or the file's name).
class DesignerDocument : public QWidget {
    Q_OBJECT
public:
    /// A new, empty document with that title, in the native format.
    explicit DesignerDocument(const QString& title, QWidget* parent = nullptr);
    ~DesignerDocument() override;

    /// Reads the file into the document; raises SheetError when it cannot be read.
    void open(const QString& path);
    /// The document as a new untitled one with the contents of `path` and the code given.
    void adopt(const QString& path, int code);

    const QString& path() const { return m_path; }
    int code() const { return m_code; }
    const QString& title() const { return m_title; }
    bool isModified() const;
    velmora::sheet::SheetBook& book() const { return *m_book; }

    /// Writes the document under its path in its code; a new or read-only one goes through saveAs().
    /// False when cancelled or failed (the failure is reported).
    bool save();
    bool saveAs();
    /// Whether the document may go: a changed one asks "Save changes to %1?".
    bool mayClose();

Q_SIGNALS:
    /// The title or the modified state changed.
    void titleChanged();

private:
    /// Save As with the dialog starting at the format of `code`.
    bool saveAsIn(int code);
    /// Writes the workbook; the failure is reported, and a file this write began is removed.
    bool write(const QString& path, int code, bool hadPath);
    void setPathAndTitle(const QString& path);

    velmora::sheet::SheetBook* m_book;
    QString m_path;
    int m_code;
    QString m_title;
};

} // namespace tabrix
