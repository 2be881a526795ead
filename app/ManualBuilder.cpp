#include "app/ManualBuilder.h"

#include "common/SafeFile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

namespace velmora {

namespace {

QString pageText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString firstHeading(const QString& html, const QString& fallback) {
    static const QRegularExpression heading(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    const QRegularExpressionMatch match = heading.match(html);
    if (!match.hasMatch())
        return fallback;
    QTextDocument plain;
    plain.setHtml(match.captured(1).remove(tags));
    return plain.toPlainText().simplified();
}

// Pictures wider than the text are shown at its width; the rest at their own size.
QString fittedPictures(QString html, const QString& directory, int textWidth) {
    static const QRegularExpression picture(QStringLiteral("<img([^>]*?)src=\"([^\"]+)\"([^>]*)>"));
    QString fitted;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& match : picture.globalMatch(html)) {
        fitted += html.mid(last, match.capturedStart() - last);
        QString attributes = match.captured(1) + match.captured(3);
        attributes.remove(QRegularExpression(QStringLiteral("\\s(width|height)=\"[^\"]*\"")));
        const QSize size = QImageReader(QDir(directory).filePath(match.captured(2))).size();
        const int width = size.isValid() ? std::min(size.width(), textWidth) : textWidth;
        fitted +=
            QStringLiteral("<img%1src=\"%2\" width=\"%3\">").arg(attributes, match.captured(2)).arg(width);
        last = match.capturedEnd();
    }
    return fitted + html.mid(last);
}

constexpr int resolution = 96; // the help's pixel sizes are screen pixels
constexpr double marginMillimetres = 20.0;

class ManualWriter {
public:
    ManualWriter(QPdfWriter& writer, const QString& directory)
        : m_writer(writer), m_directory(directory),
          m_css(pageText(QDir(directory).filePath(QStringLiteral("hilfe.css")))) {
        const QRect page = writer.pageLayout().paintRectPixels(resolution);
        m_size = QSizeF(page.width(), page.height() - footerHeight);
    }

    std::unique_ptr<QTextDocument> document(const QString& html) const {
        auto document = std::make_unique<QTextDocument>();
        document->documentLayout()->setPaintDevice(&m_writer);
        // The screen's centred column and margins would only narrow the page.
        document->setDefaultStyleSheet(QString(m_css).replace(
            QRegularExpression(QStringLiteral("max-width:[^;]*;|margin:[^;]*auto;")), QString()));
        document->setBaseUrl(QUrl::fromLocalFile(m_directory + u'/'));
        document->setHtml(fittedPictures(html, m_directory, int(m_size.width())));
        document->setPageSize(m_size);
        return document;
    }

    /// Paints the pages of a document, each with its number below; the first goes on the current page.
    void paint(QPainter& painter, QTextDocument& document, int& pageNumber, bool numbered) {
        for (int page = 0; page < document.pageCount(); ++page) {
            if (pageNumber > 1)
                m_writer.newPage();
            painter.save();
            painter.translate(0, -page * m_size.height());
            document.drawContents(&painter, QRectF(QPointF(0, page * m_size.height()), m_size));
            painter.restore();
            if (numbered)
                painter.drawText(QRectF(0, m_size.height(), m_size.width(), footerHeight), Qt::AlignCenter,
                                 QString::number(pageNumber));
            ++pageNumber;
        }
    }

private:
    static constexpr double footerHeight = 40;
    QPdfWriter& m_writer;
    QString m_directory;
    QString m_css;
    QSizeF m_size;
};

QString contentsHtml(const QList<ManualChapter>& chapters, const QList<int>& starts) {
    QString rows;
    for (qsizetype i = 0; i < chapters.size(); ++i)
        rows +=
            QStringLiteral(
                "<tr><td style=\"border:none\">%1</td><td style=\"border:none\" align=\"right\">%2</td></tr>")
                .arg(chapters[i].title.toHtmlEscaped())
                .arg(i < starts.size() ? starts[i] : 0);
    return QStringLiteral("<h1>Inhalt</h1><table width=\"100%\" cellspacing=\"0\">%1</table>").arg(rows);
}

} // namespace

QList<ManualChapter> manualChapters(const QString& helpDirectory) {
    const QDir help(helpDirectory);
    const QStringList pages = help.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.htm)[\"#]"));
    QStringList order;
    QSet<QString> seen;
    if (pages.contains(QStringLiteral("index.htm"))) {
        order << QStringLiteral("index.htm");
        seen.insert(order.constFirst());
    }
    for (qsizetype next = 0; next < order.size(); ++next)
        for (const QRegularExpressionMatch& match : link.globalMatch(pageText(help.filePath(order[next])))) {
            const QString target = match.captured(1);
            if (pages.contains(target) && !seen.contains(target)) {
                seen.insert(target);
                order << target;
            }
        }
    for (const QString& page : pages)
        if (!seen.contains(page))
            order << page;
    QList<ManualChapter> chapters;
    for (const QString& page : order)
        chapters.append({page, firstHeading(pageText(help.filePath(page)), page)});
    return chapters;
}

std::optional<ManualLayout> writeManual(const QString& helpDirectory, const QString& pdfPath) {
    const QList<ManualChapter> chapters = manualChapters(helpDirectory);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(resolution);
    writer.setTitle(QStringLiteral("Velmora – Programmdokumentation"));
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(
        QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
        QPageLayout::Millimeter);
    ManualWriter manual(writer, helpDirectory);

    // The contents take as many pages whatever numbers they show, so the chapters' pages follow from them.
    std::vector<std::unique_ptr<QTextDocument>> documents;
    for (const ManualChapter& chapter : chapters)
        documents.push_back(manual.document(pageText(QDir(helpDirectory).filePath(chapter.file))));
    const int contentsPages = manual.document(contentsHtml(chapters, {}))->pageCount();
    ManualLayout layout;
    int page = 2 + contentsPages;
    for (const auto& document : documents) {
        layout.chapterStarts << page;
        page += document->pageCount();
    }
    layout.pageCount = page - 1;

    QPainter painter(&writer);
    int pageNumber = 1;
    const auto title = manual.document(
        QStringLiteral("<p style=\"margin-top:200px\"></p><h1 align=\"center\" "
                       "style=\"font-size:36pt;border:none\">Velmora</h1>"
                       "<h2 align=\"center\">Programmdokumentation</h2><p "
                       "align=\"center\">Kalk-Kohlensäure-Gleichgewicht, "
                       "Mischung, Aufbereitung und Filter</p><p align=\"center\">Stand %1</p>")
            .arg(QLocale(QLocale::German).toString(QDate::currentDate(), QStringLiteral("MMMM yyyy"))));
    manual.paint(painter, *title, pageNumber, false);
    const auto contents = manual.document(contentsHtml(chapters, layout.chapterStarts));
    manual.paint(painter, *contents, pageNumber, true);
    for (const auto& document : documents)
        manual.paint(painter, *document, pageNumber, true);
    painter.end();
    if (!tryWriteFileSafely(pdfPath, pdf.data()))
        return std::nullopt;
    return layout;
}

} // namespace velmora
