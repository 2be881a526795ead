#pragma once

#include <optional>
#include <QString>
#include <QWidget>

namespace velmora {

namespace sheet {
class SheetBook;
}
class MdiHost;
class ResultRecord;
struct WindowType;

/// The base of every result window: one spreadsheet, the Book, filling the window, whose layout comes from
/// the template workbook of the window's type and whose marker cells ("*034*") are filled from the
/// window's record. Derived windows own their record; the base loads and saves it, fills the template,
/// and does zoom, clipboard, printing, export through the sheet, the question before closing an unsaved
/// window and unique captions.
class TMDIChild : public QWidget {
    Q_OBJECT
public:
    TMDIChild(MdiHost& host, const WindowType& type, QWidget* parent = nullptr);
    ~TMDIChild() override;

    // The window's state, named as the data files and the main window know it.
    const QString KindName;    ///< the window type: selects the template, fallback file name
    QString FileName;          ///< full path of the window's data file
    bool Saved = false;        ///< the contents are stored in a data file
    bool SkipTemplate = false; ///< the next show loads no template, once
    int ZoomIndex = 10;        ///< the window's entry in the main window's zoom box

    const WindowType& type() const { return m_type; }
    virtual const ResultRecord& record() const = 0;
    sheet::SheetBook* Book() const { return m_book; }

    /// Loads the template and replaces the markers (the show step). False when the template could not be
    /// used: the user has been told and the window closes itself.
    bool showContents();

    /// Reads the window's data file, titles the window with the record's name and shows it again; false
    /// when the file could not be read (the user has been told and the window closes itself).
    bool LoadFile(const QString& path);
    /// Writes the record as a data file named `name` with the type's extension; returns the path
    /// written, or nothing when writing failed (the user has been told).
    std::optional<QString> SaveFile(const QString& name);
    /// 1: SaveFile; 2 to 6: export as Excel 5/95, Excel 97, HTML, text, Excel 2007-365 to `path`. Returns the path
    /// written; nothing for another index or when writing failed (the user has been told).
    std::optional<QString> SaveFileAs(const QString& path, int filterIndex);
    /// Prints the sheet after the print dialog, titled "Velmora - " and the caption.
    void PrintSheet();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    /// Sets the sheet's zoom from a zoom box text such as "150 %" and remembers the box's entry.
    void SetZoom(const QString& zoomText);

    /// Appends "-" and the program-wide counter while another, inactive window has the same caption.
    void MakeCaptionUnique();
    /// Asks before an unsaved window closes; false when the user keeps it.
    bool closeQuery();
    /// The next close asks nothing: the question has been answered already.
    void setCloseConfirmed() { m_closeConfirmed = true; }

    /// The window's caption (its title in the workspace).
    QString caption() const { return windowTitle(); }

protected:
    /// The record a load replaces.
    virtual ResultRecord& mutableRecord() = 0;
    /// A data file's records have been taken over; windows whose loading also restores the engine's
    /// water do that here.
    virtual void recordLoaded() {}

    MdiHost& host() const { return m_host; }

    void closeEvent(QCloseEvent* event) override;

private:
    /// Tells the user `message`, then closes the window once the current event is done.
    void closeWithError(const QString& message);

    MdiHost& m_host;
    const WindowType& m_type;
    sheet::SheetBook* m_book;
    bool m_closeConfirmed = false;
};

} // namespace velmora
