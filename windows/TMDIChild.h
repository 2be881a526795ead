#pragma once

#include "engine/AnalysisHeader.h"

#include <optional>
#include <QString>
#include <QWidget>

namespace velmora {

namespace sheet {
class SheetBook;
}
class MdiHost;
struct WaterState;

/// The base of every result window: one spreadsheet, the Book, filling the window, whose layout comes from
/// the template workbook of the window's kind and whose marker cells ("*034*") are filled with the
/// window's values. Derived windows give their marker table and their data; the base does the template
/// lookup, the marker scan, zoom, clipboard, printing, export through the sheet, the question before
/// closing an unsaved window and unique captions.
class TMDIChild : public QWidget {
    Q_OBJECT
public:
    TMDIChild(MdiHost& host, const QString& kindName, QWidget* parent = nullptr);
    ~TMDIChild() override;

    // The window's state, named as the data files and the main window know it.
    const QString KindName;    ///< the window type: selects the template, fallback file name
    AnalysisHeader header;     ///< name, editor, date, remark 1, remark 2
    QString FileName;          ///< full path of the window's data file
    bool Saved = false;        ///< the contents are stored in a data file
    bool SkipTemplate = false; ///< the next show loads no template, once
    int ZoomIndex = 10;        ///< the window's entry in the main window's zoom box

    sheet::SheetBook* Book() const { return m_book; }

    /// Loads the template and replaces the markers (the show step). False when the template could not be
    /// used: the user has been told and the window closes itself.
    bool showContents();

    /// Reads the window's data file and shows the window again; false when it could not be read (the user
    /// has been told and the window closes itself).
    virtual bool LoadFile(const QString& path);
    virtual void SaveFile(const QString& path);
    /// 1: SaveFile; 2 to 5: export as Excel 5/95, Excel 97, HTML, text; others: nothing. Throws
    /// sheet::SheetError when an export fails.
    virtual void SaveFileAs(const QString& path, int filterIndex);
    /// Prints the sheet after the print dialog, titled "Velmora - " and the caption.
    virtual void PrintSheet();
    virtual void CopyToClipboard();
    virtual void CutToClipboard();
    virtual void PasteFromClipboard();
    /// Sets the sheet's zoom from a zoom box text such as "150 %" and remembers the box's entry.
    virtual void SetZoom(const QString& zoomText);
    /// Writes the window's water back into `water`; nothing for windows without one.
    virtual void LoadWaterState(WaterState& water) const;

    /// Appends "-" and the program-wide counter while another, inactive window has the same caption.
    void MakeCaptionUnique();

    /// The window's caption (its title in the workspace).
    QString caption() const { return windowTitle(); }

protected:
    /// The value of marker `number` as its cell shows it; empty for a number the window does not use.
    virtual std::optional<QString> markerText(int number) const;

    void closeEvent(QCloseEvent* event) override;
    MdiHost& host() const { return m_host; }
    /// "Die Datei ... konnte nicht geöffnet werden"; the window closes without a question.
    void reportLoadFailure(const QString& path);
    /// "Die Datei ... konnte nicht gespeichert werden" with the characters a file name may not hold.
    void reportSaveFailure(const QString& target);

private:
    void replaceMarkers();
    void rejectTemplate(const QString& message);
    /// Tells the user `message`, then closes the window once the current event is done.
    void closeWithError(const QString& message);

    MdiHost& m_host;
    sheet::SheetBook* m_book;
};

} // namespace velmora
