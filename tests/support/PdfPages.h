#pragma once

#include <QFile>
#include <QString>

namespace velmora::test {

/// The number of pages of a PDF file as Qt writes it; -1 when it cannot be read.
inline int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ") +
               pdf.count("/Type /Page>") + pdf.count("/Type /Page/"));
}

} // namespace velmora::test
