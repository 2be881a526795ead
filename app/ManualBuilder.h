#pragma once

#include <optional>
#include <QList>
#include <QString>

namespace velmora {

/// One help page as a chapter of the manual.
struct ManualChapter {
    QString file;  ///< the page's file name in the help folder
    QString title; ///< its first heading
};

/// The help pages in reading order: the start page "index.htm", then the pages its links lead to and
/// theirs in turn (breadth first, in the order of the links), then any page no link reaches, by name.
QList<ManualChapter> manualChapters(const QString& helpDirectory);

/// Where the chapters of a written manual begin.
struct ManualLayout {
    int pageCount = 0;
    QList<int> chapterStarts; ///< the first page of each chapter, from 1
};

/// Writes the manual of the help pages as a PDF: a title page, the contents with page numbers, and every
/// chapter from a new page, with its pictures and a page number below. Empty when the file could not be
/// written.
std::optional<ManualLayout> writeManual(const QString& helpDirectory, const QString& pdfPath);

} // namespace velmora
