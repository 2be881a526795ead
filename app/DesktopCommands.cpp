#include "app/DesktopCommands.h"

#include "app/DesktopFile.h"
#include "app/ProgramMessage.h"
#include "app/THauptfenster.h"
#include "common/DialogSeam.h"
#include "common/NumberText.h"
#include "common/SafeFile.h"
#include "sheet/view/SheetBook.h"
#include "windows/TMDIChild.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>

namespace velmora {

namespace {

const QString desktopFilter = QStringLiteral("Velmora Programm-Desktop (*.wdt)");
// Placements beyond any screen would only make the windows unusable.
constexpr int maxCoordinate = 32767;

QMdiSubWindow* frameOf(const TMDIChild* window) {
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

bool isNormal(const QWidget* window) {
    return !(window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
}

// Sets one edge or extent of a window's normal placement ("x"/"l", "y"/"t", "a"/"w", "b"/"h") to `text`.
void place(QWidget& window, qsizetype part, const QString& text) {
    const int value =
        std::clamp(readInteger(text).value_or(0), part >= 2 ? 0 : -maxCoordinate, maxCoordinate);
    QRect geometry(window.pos(), window.size());
    switch (part) {
    case 0:
        geometry.moveLeft(value);
        break;
    case 1:
        geometry.moveTop(value);
        break;
    case 2:
        geometry.setWidth(value);
        break;
    default:
        geometry.setHeight(value);
        break;
    }
    window.move(geometry.topLeft());
    window.resize(geometry.size());
}

} // namespace

DesktopCommands::DesktopCommands(THauptfenster& frame) : QObject(&frame), m_frame(frame) {}

void DesktopCommands::saveDesktop() {
    QString filter = desktopFilter;
    const QString chosen = dialogs().saveFile(&m_frame, QStringLiteral("Programm-Desktop speichern"),
                                              m_frame.directories().data, desktopFilter, &filter);
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    const QString target = info.dir().filePath(info.completeBaseName() + QStringLiteral(".wdt"));

    Desktop desktop;
    desktop.mainMaximized = m_frame.isMaximized();
    if (isNormal(&m_frame))
        desktop.mainGeometry = QRect(m_frame.pos(), m_frame.size());
    // Bottom of the window order first: restoring opens them in this order, so the active one ends on top.
    for (QMdiSubWindow* subWindow : m_frame.workspace()->subWindowList(QMdiArea::StackingOrder)) {
        const auto* window = qobject_cast<const TMDIChild*>(subWindow->widget());
        if (!window || subWindow->isHidden())
            continue;
        Desktop::Window entry{window->FileName, std::nullopt, 0};
        if (isNormal(subWindow)) {
            entry.geometry = subWindow->geometry();
            entry.topRow = window->Book()->topRow();
        }
        desktop.windows.push_back(entry);
    }
    if (!tryWriteFileSafely(target, desktopText(desktop)))
        programMessage(&m_frame, DialogSeam::Icon::Error,
                       QStringLiteral("Die Datei konnte nicht erzeugt werden!"));
}

void DesktopCommands::loadDesktop() {
    if (m_frame.hasChildren() &&
        programMessage(
            &m_frame, DialogSeam::Icon::Confirmation,
            QStringLiteral("Möchten Sie, bevor Sie einen gespeicherten Programm-Desktop laden, alle "
                           "derzeit geöffneten Fenster schließen?"),
            DialogSeam::Buttons::YesNo) == DialogSeam::Answer::Yes)
        m_frame.closeAll();
    const QString path = dialogs().openFile(&m_frame, QStringLiteral("Programm-Desktop laden"),
                                            m_frame.directories().data, desktopFilter);
    if (!path.isEmpty())
        restoreDesktop(path);
}

void DesktopCommands::restoreDesktop(const QString& path) {
    // Only a regular file: a FIFO would wait for a writer.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    static const QString mainParts = QStringLiteral("xyab");
    static const QString windowParts = QStringLiteral("ltwh");
    bool skipping = false; // the lines of a file that is gone
    for (const DesktopLine& line : desktopLines(file.read(maxDesktopFileSize))) {
        if (const qsizetype part = mainParts.indexOf(line.kind); part >= 0) {
            if (part == 0 && line.value == u"-1") {
                m_frame.showMaximized();
                continue;
            }
            if (part == 0)
                m_frame.showNormal();
            place(m_frame, part, line.value);
        } else if (line.kind == u'<') {
            const QString dataFile = line.value.trimmed();
            skipping = !QFileInfo(dataFile).isFile();
            if (!skipping)
                m_frame.OpenDataFile(dataFile);
        } else if (const qsizetype windowPart = windowParts.indexOf(line.kind);
                   !skipping && (windowPart >= 0 || line.kind == u'p')) {
            TMDIChild* window = m_frame.activeResultWindow();
            QMdiSubWindow* subWindow = frameOf(window);
            if (!subWindow)
                continue;
            if (line.kind == u'p') {
                window->Book()->setTopRow(readInteger(line.value).value_or(0));
                continue;
            }
            subWindow->showNormal();
            place(*subWindow, windowPart, line.value);
        }
    }
}

} // namespace velmora
