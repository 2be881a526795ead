#include "designer/DesignerDocument.h"

#include "designer/DesignerDialogs.h"
#include "designer/DocumentNames.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>

namespace tabrix {

using velmora::sheet::SheetBook;
using velmora::sheet::SheetError;

DesignerDocument::DesignerDocument(const QString& title, QWidget* parent)
    : QWidget(parent), m_book(new SheetBook(this)), m_code(velmora::sheet::NativeCode), m_title(title) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_book);
    setFocusProxy(m_book);
    m_book->setTitle(title + extensionOfCode(m_code));
    m_book->setShowEditBar(true);
    m_book->setShowEditBarCellRef(true);
    connect(&m_book->document().undoStack(), &QUndoStack::cleanChanged, this,
            &DesignerDocument::titleChanged);
}

DesignerDocument::~DesignerDocument() = default;

bool DesignerDocument::isModified() const {
    return m_book->document().isModified();
}

void DesignerDocument::open(const QString& path) {
    m_code = m_book->readWorkbook(path);
    setPathAndTitle(path);
    m_book->setTitle(QFileInfo(path).fileName());
}

void DesignerDocument::adopt(const QString& path, int code) {
    m_book->readWorkbook(path);
    m_code = code;
    m_book->setTitle(m_title + extensionOfCode(m_code));
}

void DesignerDocument::setPathAndTitle(const QString& path) {
    m_path = path;
    m_title = QFileInfo(path).fileName();
    Q_EMIT titleChanged();
}

bool DesignerDocument::save() {
    if (m_path.isEmpty())
        return saveAs();
    // A file marked read-only counts as one even for a user who could write it anyway.
    const QFileInfo file(m_path);
    if (file.exists() && (!file.isWritable() || !(file.permissions() & QFileDevice::WriteOwner)))
        return saveAsIn(velmora::sheet::NativeCode);
    if (!write(m_path, m_code, true))
        return false;
    m_book->document().markSaved();
    return true;
}

bool DesignerDocument::saveAs() {
    return saveAsIn(m_code);
}

bool DesignerDocument::saveAsIn(int code) {
    const auto choice = designerDialogs().savePath(this, proposedSaveName(m_path, m_title, code), code);
    if (!choice)
        return false;
    // The extension is part of the name written, so that the file and the document agree.
    const QString path = savedPath(choice->path, choice->code);
    if (!write(path, choice->code, !m_path.isEmpty()))
        return false;
    m_code = choice->code;
    setPathAndTitle(path);
    m_book->setTitle(path);
    m_book->document().markSaved();
    return true;
}

bool DesignerDocument::write(const QString& path, int code, bool hadPath) {
    const bool existed = QFileInfo::exists(path);
    try {
        m_book->writeWorkbook(path, code);
        return true;
    } catch (const SheetError& error) {
        // Only a file this write began goes: an earlier one of that name is the user's.
        if (!hadPath && !existed)
            QFile::remove(path);
        designerDialogs().tell(this, error.message());
        return false;
    }
}

bool DesignerDocument::mayClose() {
    if (!isModified())
        return true;
    switch (designerDialogs().ask(
        this, QCoreApplication::translate("tabrix", "Save changes to %1?").arg(m_title))) {
    case DesignerDialogs::Answer::Yes:
        return save();
    case DesignerDialogs::Answer::No:
        return true;
    case DesignerDialogs::Answer::Cancel:
        return false;
    }
    return false;
}

} // namespace tabrix
