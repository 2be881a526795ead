#include "designer/DesignerDocument.h"

#include "designer/DesignerDialogs.h"
#include "designer/DocumentNames.h"
#include "sheet/edit/WorkbookDocument.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/model/SheetError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tabrix {

using velmora::sheet::SheetError;
using velmora::sheet::Workbook;
using velmora::sheet::WorkbookDocument;

DesignerDocument::DesignerDocument(const QString& title, QObject* parent)
    : QObject(parent), m_content(std::make_shared<WorkbookDocument>()), m_code(velmora::sheet::NativeCode),
      m_title(title) {
    setWorkbookTitle(title + extensionOfCode(m_code));
    connect(&m_content->undoStack(), &QUndoStack::cleanChanged, this, &DesignerDocument::titleChanged);
}

DesignerDocument::~DesignerDocument() = default;

bool DesignerDocument::isModified() const {
    return m_content->isModified();
}

void DesignerDocument::setWorkbookTitle(const QString& title) {
    m_content->unrecordedWorkbook().setTitle(title);
}

void DesignerDocument::open(const QString& path) {
    int code = 0;
    Workbook read = velmora::sheet::readWorkbookFile(path, code);
    read.setTitle(QFileInfo(path).fileName());
    m_content->reset(std::move(read));
    m_code = code;
    setPathAndTitle(path);
}

void DesignerDocument::setPathAndTitle(const QString& path) {
    m_path = path;
    m_title = QFileInfo(path).fileName();
    Q_EMIT titleChanged();
}

bool DesignerDocument::save(QWidget* window) {
    if (m_path.isEmpty())
        return saveAs(window);
    // A file marked read-only counts as one even for a user who could write it anyway.
    const QFileInfo file(m_path);
    if (file.exists() && (!file.isWritable() || !(file.permissions() & QFileDevice::WriteOwner)))
        return saveAsIn(window, velmora::sheet::NativeCode);
    if (!write(window, m_path, m_code, true))
        return false;
    m_content->markSaved();
    return true;
}

bool DesignerDocument::saveAs(QWidget* window) {
    return saveAsIn(window, m_code);
}

bool DesignerDocument::saveAsIn(QWidget* window, int code) {
    const auto choice = designerDialogs().savePath(window, proposedSaveName(m_path, m_title, code), code);
    if (!choice)
        return false;
    // The extension is part of the name written, so that the file and the document agree.
    const QString path = savedPath(choice->path, choice->code);
    if (!write(window, path, choice->code, !m_path.isEmpty()))
        return false;
    m_code = choice->code;
    setPathAndTitle(path);
    setWorkbookTitle(path);
    m_content->markSaved();
    return true;
}

bool DesignerDocument::write(QWidget* window, const QString& path, int code, bool hadPath) {
    const bool existed = QFileInfo::exists(path);
    try {
        velmora::sheet::writeWorkbookFile(m_content->workbook(), path, code);
        return true;
    } catch (const SheetError& error) {
        // Only a file this write began goes: an earlier one of that name is the user's.
        if (!hadPath && !existed)
            QFile::remove(path);
        designerDialogs().tell(window, error.message());
        return false;
    }
}

bool DesignerDocument::mayClose(QWidget* window) {
    if (!isModified())
        return true;
    switch (designerDialogs().ask(
        window, QCoreApplication::translate("tabrix", "Save changes to %1?").arg(m_title))) {
    case DesignerDialogs::Answer::Yes:
        return save(window);
    case DesignerDialogs::Answer::No:
        return true;
    case DesignerDialogs::Answer::Cancel:
        return false;
    }
    return false;
}

} // namespace tabrix
