#include "designer/FormatCommands.h"

#include "sheet/edit/WorkbookDocument.h"
#include "sheet/model/SheetError.h"
#include "sheet/view/SheetBook.h"
#include "sheet/view/SheetView.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace tabrix {

using namespace velmora::sheet;

namespace {

// Applies `change` to every cell of the selection as one step.
void changeSelection(SheetBook& book, const std::function<void(CellStyle&)>& change, const QString& text) {
    book.document().changeStyle(book.currentSheet(), book.selection().ranges, change, text);
}

// The writing systems that stand for the character sets a family can be offered in.
const QList<QFontDatabase::WritingSystem>& scriptsOffered() {
    static const QList<QFontDatabase::WritingSystem> scripts{QFontDatabase::Latin,
                                                             QFontDatabase::Greek,
                                                             QFontDatabase::Cyrillic,
                                                             QFontDatabase::Hebrew,
                                                             QFontDatabase::Arabic,
                                                             QFontDatabase::Vietnamese,
                                                             QFontDatabase::Thai,
                                                             QFontDatabase::Japanese,
                                                             QFontDatabase::Korean,
                                                             QFontDatabase::SimplifiedChinese,
                                                             QFontDatabase::TraditionalChinese};
    return scripts;
}

} // namespace

const CellStyle& activeStyle(const SheetBook& book) {
    return book.workbook().sheet(book.currentSheet()).style(book.view()->currentCell());
}

BookCommand toggled(bool CellStyle::*attribute, const QString& text) {
    return [attribute, text](SheetBook& book) {
        const bool on = !(activeStyle(book).*attribute);
        changeSelection(
            book, [&](CellStyle& style) { style.*attribute = on; }, text);
    };
}

BookCommand aligned(HorizontalAlignment alignment) {
    return [alignment](SheetBook& book) {
        const HorizontalAlignment chosen =
            activeStyle(book).horizontal == alignment ? HorizontalAlignment::General : alignment;
        changeSelection(
            book, [&](CellStyle& style) { style.horizontal = chosen; },
            QCoreApplication::translate("tabrix", "Alignment"));
    };
}

void mergeAndCentre(SheetBook& book) {
    book.document().merge(book.currentSheet(), book.view()->selection(), true);
}

BookCommand coloured(const QColor& colour) {
    return [colour](SheetBook& book) {
        changeSelection(
            book, [&](CellStyle& style) { style.textColour = colour; },
            QCoreApplication::translate("tabrix", "Text Color"));
    };
}

BookCommand formatted(const QString& numberFormat) {
    return [numberFormat](SheetBook& book) {
        changeSelection(
            book, [&](CellStyle& style) { style.numberFormat = numberFormat; },
            QCoreApplication::translate("tabrix", "Number Format"));
    };
}

QStringList fontEntries() {
    QStringList entries;
    for (const QString& family : QFontDatabase::families()) {
        if (family.startsWith(u'@'))
            continue;
        QList<QFontDatabase::WritingSystem> scripts;
        for (const QFontDatabase::WritingSystem script : QFontDatabase::writingSystems(family))
            if (scriptsOffered().contains(script))
                scripts << script;
        if (scripts.size() < 2) {
            entries << family;
            continue;
        }
        for (const QFontDatabase::WritingSystem script : scripts)
            entries << family + QStringLiteral(" (") + QFontDatabase::writingSystemName(script) + u')';
    }
    return entries;
}

QString familyOfEntry(const QString& entry) {
    const QString trimmed = entry.trimmed();
    for (const QFontDatabase::WritingSystem script : scriptsOffered()) {
        const QString suffix = QStringLiteral(" (") + QFontDatabase::writingSystemName(script) + u')';
        if (trimmed.endsWith(suffix))
            return trimmed.chopped(suffix.size());
    }
    return trimmed;
}

const QStringList& fontSizeEntries() {
    static const QStringList sizes{
        QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
        QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
        QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
        QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};
    return sizes;
}

void setFontFamily(SheetBook& book, const QString& entry) {
    const QString family = familyOfEntry(entry);
    if (family.isEmpty() || family.size() > 31 || !QFontDatabase::families().contains(family))
        throw SheetError(QStringLiteral("There is no font %1.").arg(family));
    changeSelection(
        book, [&](CellStyle& style) { style.fontFamily = family; },
        QCoreApplication::translate("tabrix", "Font"));
}

void setFontSize(SheetBook& book, const QString& entry) {
    bool ok = false;
    double size = entry.trimmed().toDouble(&ok);
    if (!ok)
        size = QLocale().toDouble(entry.trimmed(), &ok);
    if (!ok || !(size >= 1.0 && size <= 409.0))
        throw SheetError(QStringLiteral("A font size is a number from 1 to 409."));
    changeSelection(
        book, [&](CellStyle& style) { style.fontSize = size; },
        QCoreApplication::translate("tabrix", "Font Size"));
}

std::vector<NumberFormatEntry> numberFormatEntries(NumberCategory category, double now,
                                                   const QLocale& locale) {
    std::vector<NumberFormatEntry> entries;
    const double sample = sampleValueOf(category, now);
    for (const QString& code : numberFormatsOf(category))
        entries.push_back({code, formatWithCode(sample, code, locale)});
    return entries;
}

} // namespace tabrix
