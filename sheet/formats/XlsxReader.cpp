#include "sheet/formats/XlsxReader.h"

#include "sheet/formats/XlsxImport.h"
#include "sheet/formats/ZipArchive.h"
#include "sheet/model/SheetError.h"

#include <cmath>
#include <QXmlStreamReader>

namespace velmora::sheet {

namespace {

using namespace Qt::StringLiterals;

// Formats a file may number; more are damage.
constexpr std::size_t maxFormats = 65536;

bool isTrue(QStringView value) {
    return value == u"1" || value == u"true";
}

// The part a relationship points to, as a path inside the archive.
QString resolvedTarget(const QString& base, const QString& target) {
    if (target.startsWith(u'/'))
        return target.mid(1);
    QStringList parts = base.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : target.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (part != u".") {
            parts << part;
        }
    }
    return parts.join(u'/');
}

// Steps through the start elements of a part; damage was already refused by the import library.
template <typename OnStart>
void forEachElement(const QByteArray& part, OnStart onStart) {
    QXmlStreamReader xml(part);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            onStart(xml);
}

// A relationship's target and the last word of its type ("styles", "worksheet").
struct Relationship {
    QString target;
    QString type;
};

// The relationships of a part by id; the archive's own for an empty part.
std::map<QString, Relationship> relationships(const ZipEntries& entries, const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    const QString directory = part.left(slash + 1);
    std::map<QString, Relationship> result;
    const auto found =
        entries.find(directory + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels"));
    if (found == entries.end())
        return result;
    forEachElement(found->second, [&](const QXmlStreamReader& xml) {
        if (xml.name() != u"Relationship")
            return;
        const QString type = xml.attributes().value("Type"_L1).toString();
        result[xml.attributes().value("Id"_L1).toString()] = {
            resolvedTarget(directory, xml.attributes().value("Target"_L1).toString()),
            type.mid(type.lastIndexOf(u'/') + 1)};
    });
    return result;
}

QString targetOfType(const std::map<QString, Relationship>& relationships, QStringView type,
                     const QString& fallback) {
    for (const auto& entry : relationships)
        if (entry.second.type == type)
            return entry.second.target;
    return fallback;
}

// Wrap, centre-across-selection and underline (written as a bare "<u/>") of the cell formats, which
// the library does not report.
std::vector<CellFormatExtras> cellFormatExtras(const ZipEntries& entries, const QString& stylesPart) {
    std::vector<CellFormatExtras> extras;
    const auto styles = entries.find(stylesPart);
    if (styles == entries.end())
        return extras;
    enum class Section { Other, Fonts, CellFormats } section = Section::Other;
    std::vector<bool> underlinedFonts;
    QXmlStreamReader xml(styles->second);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && (xml.name() == u"fonts" || xml.name() == u"cellXfs"))
            section = Section::Other;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"fonts") {
            section = Section::Fonts;
        } else if (xml.name() == u"cellXfs") {
            section = Section::CellFormats;
        } else if (section == Section::Fonts && xml.name() == u"font" &&
                   underlinedFonts.size() < maxFormats) {
            underlinedFonts.push_back(false);
        } else if (section == Section::Fonts && xml.name() == u"u" && !underlinedFonts.empty()) {
            underlinedFonts.back() = attributes.value("val"_L1) != u"none";
        } else if (section == Section::CellFormats && xml.name() == u"xf" && extras.size() < maxFormats) {
            const std::size_t font = attributes.value("fontId"_L1).toUInt();
            extras.emplace_back();
            extras.back().underline = font < underlinedFonts.size() && underlinedFonts[font];
        } else if (section == Section::CellFormats && xml.name() == u"alignment" && !extras.empty()) {
            extras.back().wrap = isTrue(attributes.value("wrapText"_L1));
            extras.back().centreAcrossSelection = attributes.value("horizontal"_L1) == u"centerContinuous";
        } else if (section == Section::CellFormats && xml.name() == u"protection" && !extras.empty()) {
            extras.back().locked =
                !attributes.hasAttribute("locked"_L1) || isTrue(attributes.value("locked"_L1));
            extras.back().formulaHidden = isTrue(attributes.value("hidden"_L1));
        }
    }
    return extras;
}

// A sheet part's default row height, and the error values its formulas show, which the library drops.
void amendSheet(const QByteArray& part, Sheet& sheet) {
    std::optional<CellPos> errorCell;
    bool inValue = false;
    QXmlStreamReader xml(part);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters && inValue && errorCell) {
            if (sheet.text(*errorCell).isEmpty())
                sheet.setText(*errorCell, xml.text().toString().left(16));
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"v") {
            inValue = false;
        } else if (token == QXmlStreamReader::StartElement) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == u"sheetProtection") {
                sheet.setProtected(isTrue(attributes.value("sheet"_L1)));
            } else if (xml.name() == u"sheetFormatPr") {
                const double points = attributes.value("defaultRowHeight"_L1).toDouble();
                if (std::isfinite(points) && points > 0.0 && points < 1000.0)
                    sheet.setDefaultRowHeight(points * 96.0 / 72.0);
            } else if (xml.name() == u"c") {
                CellRange range;
                errorCell.reset();
                if (attributes.value("t"_L1) == u"e" &&
                    parseRangeReference(attributes.value("r"_L1), range) && range.rowCount() == 1 &&
                    range.columnCount() == 1 && range.bottom <= maxRows && range.right <= maxColumns)
                    errorCell = CellPos{range.top, range.left};
            } else if (xml.name() == u"v") {
                inValue = true;
            }
        }
    }
}

// The import library's XML parser asserts on some malformed documents: every part it may read is
// checked to be well-formed UTF-8 XML without a document type first, as the format demands.
void checkXmlParts(const ZipEntries& entries) {
    for (const auto& entry : entries) {
        const QString& path = entry.first;
        const QByteArray& bytes = entry.second;
        if (!path.endsWith(QStringLiteral(".xml")) && !path.endsWith(QStringLiteral(".rels")) &&
            !path.endsWith(QStringLiteral(".vml")))
            continue;
        const auto refuse = [&path](const QString& reason) {
            throw SheetError(
                QStringLiteral("Die Excel-Arbeitsmappe ist beschädigt (Teil „%1“: %2).").arg(path, reason));
        };
        if (bytes.contains('\0'))
            refuse(QStringLiteral("kein UTF-8"));
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::DTD)
                refuse(QStringLiteral("Dokumenttypdeklaration"));
        if (xml.hasError())
            refuse(xml.errorString());
    }
}

} // namespace

Workbook readXlsx(QByteArrayView file) {
    const ZipEntries entries = readZipArchive(file);
    checkXmlParts(entries);
    const std::map<QString, Relationship> archiveParts = relationships(entries, {});
    const QString workbookPart =
        targetOfType(archiveParts, u"officeDocument", QStringLiteral("xl/workbook.xml"));
    const std::map<QString, Relationship> parts = relationships(entries, workbookPart);
    const std::vector<CellFormatExtras> extras =
        cellFormatExtras(entries, targetOfType(parts, u"styles", QStringLiteral("xl/styles.xml")));
    // The library reads a repacked archive, whose sizes are the ones just checked.
    Workbook book = importXlsx(writeZipArchive(entries), extras);
    book.setTitle(firstElementText(
        entries, targetOfType(archiveParts, u"core-properties", QStringLiteral("docProps/core.xml")),
        u"title"));

    // The worksheets in the workbook's order, as the library appended them.
    std::vector<QString> sheetParts;
    if (const auto workbook = entries.find(workbookPart); workbook != entries.end())
        forEachElement(workbook->second, [&](const QXmlStreamReader& xml) {
            if (xml.name() != u"sheet")
                return;
            for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                const auto relationship = parts.find(attribute.value().toString());
                if (attribute.name() == u"id" && relationship != parts.end() &&
                    relationship->second.type == u"worksheet")
                    sheetParts.push_back(relationship->second.target);
            }
        });
    for (std::size_t i = 0; i < sheetParts.size() && i < book.sheets().size(); ++i)
        if (const auto part = entries.find(sheetParts[i]); part != entries.end())
            amendSheet(part->second, book.sheets()[i]);
    return book;
}

} // namespace velmora::sheet
