#pragma once

#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "windows/SheetTemplates.h"
#include "windows/WindowType.h"

#include <QDir>
#include <QTemporaryDir>

namespace velmora::test {

/// A program directory of its own for a test: "Vorlagen/" with templates the test writes.
class ProgramFolder {
public:
    ProgramFolder() { QDir(m_dir.path()).mkpath(QStringLiteral("Vorlagen")); }

    /// The directory with a trailing "/", as the program keeps it.
    QString path() const { return m_dir.path() + u'/'; }

    /// Writes the template of the window type `kind` with the given cell texts.
    void writeTemplate(WindowKind kind, const sheet::Workbook& workbook, int code = sheet::NativeCode) const {
        sheet::writeWorkbookFile(
            workbook,
            path() + QStringLiteral("Vorlagen/") + QString::fromUtf16(windowTypeOf(kind).templateFile), code);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace velmora::test
