#include "app/DataFileCommands.h"

#include "app/FileTypes.h"
#include "app/THauptfenster.h"
#include "common/DialogSeam.h"
#include "windows/DataFile.h"
#include "windows/TMDIChild.h"
#include "windows/WindowType.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace velmora {

DataFileCommands::DataFileCommands(THauptfenster& frame, QMenu& recentMenu)
    : QObject(&frame), m_frame(frame), m_recentMenu(recentMenu) {}

void DataFileCommands::openFiles() {
    QString filter;
    const QStringList paths = dialogs().openFiles(&m_frame, QStringLiteral("Öffnen"),
                                                  m_frame.directories().data, openDialogFilters(), &filter);
    for (const QString& path : paths)
        OpenDataFile(path);
}

void DataFileCommands::OpenDataFile(const QString& path, bool addToRecentFiles) {
    const QFileInfo info(path);
    if (!windowTypeOfFile(path) || !info.isFile())
        return;
    // A file is open once, however it was named (links, relative paths).
    const QString canonical = info.canonicalFilePath();
    for (TMDIChild* window : m_frame.resultWindows()) {
        if (!window->FileName.isEmpty() && QFileInfo(window->FileName).canonicalFilePath() == canonical) {
            m_frame.activate(window);
            return;
        }
    }
    m_frame.NewWindowCaption = info.completeBaseName();
    TMDIChild* window = m_frame.CreateResultWindow(canonical);
    if (!window) {
        m_frame.notYetAvailable();
        return;
    }
    if (!window->LoadFile(canonical))
        return;
    if (addToRecentFiles) {
        m_recent.add(canonical);
        updateRecentFilesMenu();
    }
}

bool DataFileCommands::saveActiveWindowAs() {
    TMDIChild* window = m_frame.activeResultWindow();
    if (!window)
        return false;
    const WindowType& type = window->type();
    const QString proposal = proposedFileName(window->caption(), window->KindName);
    const QStringList filters = saveDialogFilters(type);
    QString filter = filters.value(m_saveFilterIndex - 1, filters.front());
    QString path = dialogs().saveFile(&m_frame, QStringLiteral("Speichern unter"),
                                      QDir(m_frame.directories().data).filePath(proposal),
                                      filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return false;
    m_saveFilterIndex = int(std::max<qsizetype>(filters.indexOf(filter), 0)) + 1;
    // A name typed without extension gets the chosen entry's, as the dialog's default extension does.
    if (QFileInfo(path).suffix().isEmpty())
        path += saveFilterExtension(type, m_saveFilterIndex);
    const std::optional<QString> written = window->SaveFileAs(path, m_saveFilterIndex);
    // The window names the file it was written to; the list offers only files the program opens.
    window->FileName = m_saveFilterIndex == 1 ? nativeFileName(path, type.fileExtension()) : path;
    if (written && m_saveFilterIndex == 1) {
        m_recent.add(*written);
        updateRecentFilesMenu();
    }
    return true;
}

void DataFileCommands::updateRecentFilesMenu() {
    m_recentMenu.clear();
    m_recentMenu.setEnabled(!m_recent.paths().isEmpty());
    for (const QString& path : m_recent.paths()) {
        QAction* entry = m_recentMenu.addAction(path);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (QFileInfo::exists(path)) {
                OpenDataFile(path, false);
            } else {
                m_recent.remove(path);
                updateRecentFilesMenu();
            }
        });
    }
}

} // namespace velmora
