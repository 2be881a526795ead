#include "windows/TMDIChild.h"

#include "common/DialogSeam.h"
#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "common/SafeFile.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"
#include "sheet/view/SheetView.h"
#include "windows/DataFile.h"
#include "windows/MdiHost.h"
#include "windows/ResultRecord.h"
#include "windows/SheetTemplates.h"
#include "windows/UniqueTitle.h"
#include "windows/WindowType.h"

#include <iterator>
#include <QCloseEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int zoomEntry100 = 10;

// The export formats of "Speichern unter" after the window's own data file, by filter index.
constexpr int exportCodes[] = {sheet::Excel5Code, sheet::Excel97Code, sheet::HtmlCode, sheet::TextCode,
                               sheet::XlsxCode};

} // namespace

TMDIChild::TMDIChild(MdiHost& host, const WindowType& type, QWidget* parent)
    : QWidget(parent), KindName(type.name()), m_host(host), m_type(type), m_book(new sheet::SheetBook(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_book);
    setToolTip(QString::fromUtf16(type.hint));
    m_book->setObjectName(QStringLiteral("Book"));
    m_book->setAllowDesigner(false);
    // Typed keys are discarded; cutting and pasting edit the report before it is printed or copied.
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
    m_host.setZoomIndex(zoomEntry100);
    try {
        m_book->setWorkbook(filledTemplate(m_host.programDirectory(), record()));
    } catch (const TemplateError& error) {
        SkipTemplate = true;
        closeWithError(error.message());
        return false;
    }
    m_book->setViewScale(readInteger(m_host.zoomText()).value_or(100));
    return true;
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

bool TMDIChild::LoadFile(const QString& path) {
    QString name;
    try {
        const QByteArray records = readDataFile(path, m_type.fileSize());
        mutableRecord().decode(records);
        name = RecordReader(records).readText(m_type.captionOffset);
    } catch (const FileError&) {
        closeWithError(QStringLiteral("Die Datei %1 konnte nicht geöffnet werden").arg(path));
        return false;
    }
    recordLoaded();
    setWindowTitle(name);
    MakeCaptionUnique();
    showContents();
    Saved = true;
    return true;
}

std::optional<QString> TMDIChild::SaveFile(const QString& name) {
    const QString target = nativeFileName(name, m_type.fileExtension());
    if (!tryWriteFileSafely(target, record().encode())) {
        dialogs().message(
            this, DialogSeam::Icon::Error, QStringLiteral("Velmora"),
            QStringLiteral("Die Datei %1 konnte nicht gespeichert werden\n\rFolgende Zeichen dürfen nicht im "
                           "Dateinamen enthalten sein:\n\r\\ / : * ? \" < > |")
                .arg(target));
        return std::nullopt;
    }
    Saved = true;
    return target;
}

std::optional<QString> TMDIChild::SaveFileAs(const QString& path, int filterIndex) {
    if (filterIndex == 1)
        return SaveFile(path);
    if (filterIndex < 2 || filterIndex > 1 + int(std::size(exportCodes)))
        return std::nullopt;
    try {
        m_book->writeWorkbook(path, exportCodes[filterIndex - 2]);
    } catch (const sheet::SheetError& error) {
        dialogs().message(this, DialogSeam::Icon::Error, QStringLiteral("Velmora"), error.message());
        return std::nullopt;
    }
    return path;
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

void TMDIChild::MakeCaptionUnique() {
    QList<QString> others = m_host.childCaptions();
    // The window being loaded is the active one and never matches itself.
    others.removeOne(m_host.activeChildCaption());
    setWindowTitle(makeTitleUnique(caption(), others));
}

bool TMDIChild::closeQuery() {
    if (Saved || m_closeConfirmed)
        return true;
    const auto answer = dialogs().message(
        this, DialogSeam::Icon::Confirmation, QStringLiteral("Velmora"),
        QStringLiteral("Fenster %1 wurde noch nicht gespeichert !\r\nDennoch schließen?").arg(caption()),
        DialogSeam::Buttons::OkCancel);
    return answer == DialogSeam::Answer::Ok;
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (!closeQuery()) {
        event->ignore();
        return;
    }
    m_host.resultWindowClosing(this);
    event->accept();
}

} // namespace velmora
