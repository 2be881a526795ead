#include "windows/TMDIChild.h"

#include "common/DialogSeam.h"
#include "common/NumberText.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"
#include "sheet/view/SheetView.h"
#include "windows/MdiHost.h"
#include "windows/SheetTemplates.h"
#include "windows/UniqueTitle.h"

#include <QCloseEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int zoomEntry100 = 10;

// The export formats of "Speichern unter" after the window's own data file, by filter index.
constexpr int exportCodes[] = {sheet::Excel5Code, sheet::Excel97Code, sheet::HtmlCode, sheet::TextCode};

} // namespace

TMDIChild::TMDIChild(MdiHost& host, const QString& kindName, QWidget* parent)
    : QWidget(parent), KindName(kindName), m_host(host), m_book(new sheet::SheetBook(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_book);
    m_book->setObjectName(QStringLiteral("Book"));
    m_book->setAllowDesigner(false);
    m_book->setReadOnly(true);
    m_book->setPrintDialog([this](QPrinter& printer) { return dialogs().print(this, printer); });
    m_book->view()->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_book->view()->addActions(m_host.editActions());
    m_host.setZoomIndex(zoomEntry100);
    ZoomIndex = zoomEntry100;
}

TMDIChild::~TMDIChild() = default;

bool TMDIChild::showContents() {
    if (SkipTemplate) {
        SkipTemplate = false;
        return true;
    }
    const QString file = templateFileName(KindName);
    const QString directory = m_host.programDirectory() + QString::fromUtf16(templateDirectory);
    m_host.setZoomIndex(zoomEntry100);
    int code = 0;
    try {
        code = m_book->readWorkbook(directory + file);
    } catch (const sheet::SheetError&) {
        rejectTemplate(
            QStringLiteral("Die erforderliche Vorlagendatei \"%1\" konnte nicht gefunden werden!\r\n"
                           "Bitte stellen Sie sicher, daß sie sich im Verzeichnis %2Vorlagen befindet!")
                .arg(file, m_host.programDirectory()));
        return false;
    }
    if (code != sheet::NativeCode) {
        rejectTemplate(
            QStringLiteral("Die Vorlagendatei \"%1\" ist ungültig!\r\n\r\nBitte erstellen Sie mit Hilfe des "
                           "Formular-Designers eine gültige Vorlage unter dem Namen \"%1\"\r\nund kopieren "
                           "Sie diese in das Verzeichnis %2Vorlagen.\r\n\r\nEin Beispiel für eine "
                           "Vorlagendatei finden Sie auch im Verzeichnis \"Vorlagen\" der Velmora "
                           "Installations-CD.")
                .arg(file, m_host.programDirectory()));
        return false;
    }
    m_book->setViewScale(readInteger(m_host.zoomText()).value_or(100));
    replaceMarkers();
    return true;
}

void TMDIChild::rejectTemplate(const QString& message) {
    SkipTemplate = true;
    closeWithError(message);
}

void TMDIChild::reportLoadFailure(const QString& path) {
    closeWithError(QStringLiteral("Die Datei %1 konnte nicht geöffnet werden").arg(path));
}

void TMDIChild::reportSaveFailure(const QString& target) {
    dialogs().message(
        this, DialogSeam::Icon::Error, QStringLiteral("Velmora"),
        QStringLiteral("Die Datei %1 konnte nicht gespeichert werden\n\rFolgende Zeichen dürfen nicht im "
                       "Dateinamen enthalten sein:\n\r\\ / : * ? \" < > |")
            .arg(target));
}

void TMDIChild::closeWithError(const QString& message) {
    dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"), message);
    Saved = true;
    // The window is being created or shown; it closes once that has finished.
    QTimer::singleShot(0, this, [this] {
        if (parentWidget())
            parentWidget()->close();
        else
            close();
    });
}

void TMDIChild::replaceMarkers() {
    for (int row = 1; row <= markerRows; ++row) {
        for (int column = 1; column <= markerColumns; ++column) {
            const std::optional<int> number = markerNumber(m_book->getCellText(row, column));
            if (!number)
                continue;
            if (const std::optional<QString> value = markerText(*number))
                m_book->setCellText(row, column, *value);
        }
    }
}

std::optional<QString> TMDIChild::markerText(int) const {
    return std::nullopt;
}

bool TMDIChild::LoadFile(const QString&) {
    return true;
}

void TMDIChild::SaveFile(const QString&) {}

void TMDIChild::SaveFileAs(const QString& path, int filterIndex) {
    if (filterIndex == 1)
        SaveFile(path);
    else if (filterIndex >= 2 && filterIndex <= 5)
        m_book->writeWorkbook(path, exportCodes[filterIndex - 2]);
}

void TMDIChild::PrintSheet() {
    m_book->setTitle(QStringLiteral("Velmora - ") + caption());
    try {
        m_book->printBook(true);
    } catch (const sheet::SheetError& error) {
        if (!error.isCancelled())
            dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"), error.message());
    }
}

void TMDIChild::CopyToClipboard() {
    m_book->copySelection();
}

void TMDIChild::CutToClipboard() {
    m_book->cutSelection();
}

void TMDIChild::PasteFromClipboard() {
    m_book->pasteClipboard();
}

void TMDIChild::SetZoom(const QString& zoomText) {
    m_book->setViewScale(readInteger(zoomText).value_or(100));
    ZoomIndex = m_host.zoomIndex();
}

void TMDIChild::LoadWaterState(WaterState&) const {}

void TMDIChild::MakeCaptionUnique() {
    QList<QString> others = m_host.childCaptions();
    // The window being loaded is the active one and never matches itself.
    others.removeOne(m_host.activeChildCaption());
    setWindowTitle(makeTitleUnique(caption(), others));
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (!Saved) {
        const auto answer = dialogs().message(
            this, DialogSeam::Icon::Confirmation, QStringLiteral("Velmora"),
            QStringLiteral("Fenster %1 wurde noch nicht gespeichert !\r\nDennoch schließen?").arg(caption()),
            DialogSeam::Buttons::OkCancel);
        if (answer != DialogSeam::Answer::Ok) {
            event->ignore();
            return;
        }
    }
    m_host.resultWindowClosing(this);
    event->accept();
}

} // namespace velmora
