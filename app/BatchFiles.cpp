#include "app/BatchFiles.h"

#include "common/DialogSeam.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"
#include "windows/DataFile.h"
#include "windows/MdiHost.h"
#include "windows/ResultWindowTypes.h"
#include "windows/TMDIChild.h"
#include "windows/TWasserF.h"
#include "windows/WaterWindowData.h"

#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace velmora {

namespace {

// A result window's host with no main window around it: templates beside the program, zoom 100 %.
class HeadlessHost : public MdiHost {
public:
    QString programDirectory() const override { return QCoreApplication::applicationDirPath() + u'/'; }
    int zoomIndex() const override { return 10; }
    void setZoomIndex(int) override {}
    QString zoomText() const override { return QStringLiteral("100 %"); }
    QList<QString> childCaptions() const override { return {}; }
    QString activeChildCaption() const override { return {}; }
    QList<QAction*> editActions() const override { return {}; }
    void resultWindowClosing(TMDIChild*) override {}
};

// What a window would ask or tell the user goes to the error stream; nothing waits for an answer.
class StreamDialogs : public DialogSeam {
public:
    explicit StreamDialogs(QTextStream& err) : m_err(err) { setDialogs(this); }
    ~StreamDialogs() override { setDialogs(nullptr); }

    Answer message(QWidget*, Icon, const QString&, const QString& text, Buttons buttons) override {
        m_err << QString(text).replace(u'\r', QString()) << u'\n';
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    QStringList openFiles(QWidget*, const QString&, const QString&, const QString&, QString*) override {
        return {};
    }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&, QString*) override {
        return {};
    }
    QString directory(QWidget*, const QString&, const QString&) override { return {}; }
    bool print(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> text(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool openUrl(const QUrl&) override { return false; }

private:
    QTextStream& m_err;
};

} // namespace

bool saveWaterFiles(const std::vector<BatchResult>& results, const QString& directory, QTextStream& err) {
    if (!QFileInfo(directory).isDir()) {
        err << QStringLiteral("Das Verzeichnis „%1“ gibt es nicht.").arg(directory) << u'\n';
        return false;
    }
    bool allWritten = true;
    QSet<QString> taken;
    for (const BatchResult& result : results) {
        if (!result.engine)
            continue;
        const QString base = proposedFileName(result.header.name(), QString::fromUtf16(TWasserF::kind));
        QString name = base;
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        taken.insert(name.toLower());
        const QString path =
            nativeFileName(QDir(directory).filePath(name), QString::fromUtf16(TWasserF::extension));
        WaterWindowData water = WaterWindowData::takeFrom(*result.engine);
        if (!writeDataFile(path, encodeWaterFileRecord(water, result.header))) {
            err << QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path) << u'\n';
            allWritten = false;
        }
    }
    return allWritten;
}

bool exportDataFile(const QString& dataFile, const QString& outFile, std::optional<int> excelCode,
                    QTextStream& err) {
    StreamDialogs dialogs(err);
    const QString suffix = QFileInfo(outFile).suffix().toLower();
    // The filter indexes of "Speichern unter": 2 Excel 5/95, 3 Excel 97, 4 HTML, 5 text.
    int filterIndex = 0;
    if (suffix == u"xls")
        filterIndex = excelCode.value_or(sheet::Excel97Code) == sheet::Excel5Code ? 2 : 3;
    else if (suffix == u"htm" || suffix == u"html")
        filterIndex = 4;
    else if (suffix == u"txt")
        filterIndex = 5;
    else if (suffix != u"vts") {
        err << QStringLiteral("Die Endung von „%1“ ist keine der Ausgabeformate .xls, .htm, .txt, .vts.")
                   .arg(outFile)
            << u'\n';
        return false;
    }

    HeadlessHost host;
    const std::unique_ptr<TMDIChild> window(
        createResultWindow(u'.' + QFileInfo(dataFile).suffix(), host, EngineState{}));
    if (!window) {
        err << QStringLiteral("„%1“ ist keine Datendatei von Velmora.").arg(dataFile) << u'\n';
        return false;
    }
    if (!window->LoadFile(dataFile))
        return false;
    try {
        if (filterIndex == 0)
            window->Book()->writeWorkbook(outFile, sheet::NativeCode);
        else
            window->SaveFileAs(outFile, filterIndex);
    } catch (const sheet::SheetError& error) {
        err << error.message() << u'\n';
        return false;
    }
    return true;
}

} // namespace velmora
