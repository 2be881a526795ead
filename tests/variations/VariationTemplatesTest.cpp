#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "variations/MixingRecord.h"
#include "variations/TemperatureRecord.h"
#include "variations/VariationMarkers.h"
#include "VariationSamples.h"
#include "windows/SheetTemplates.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmora;

namespace {

// The marker texts a window's table knows: numbers with the selectors they take.
std::set<QString> markers(const std::vector<std::pair<std::pair<int, int>, QString>>& ranges) {
    std::set<QString> texts;
    for (const auto& [numbers, selectors] : ranges)
        for (int number = numbers.first; number <= numbers.second; ++number)
            for (QChar selector : selectors)
                texts.insert(QStringLiteral("*%1%2*")
                                 .arg(number, 3, 10, QLatin1Char('0'))
                                 .arg(selector)
                                 .replace(QStringLiteral("**"), QStringLiteral("*")));
    return texts;
}

// The markers of a shipped template, each checked to lie where markers are filled and to get a value.
std::set<QString> templateMarkers(const QString& file, const ResultRecord& record) {
    int code = 0;
    const sheet::Workbook book =
        sheet::readWorkbookFile(QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen/") + file, code);
    EXPECT_EQ(code, sheet::NativeCode);
    std::set<QString> used;
    for (const auto& [pos, cell] : book.sheet(0).cells()) {
        if (!variationMarker(cell.text))
            continue;
        EXPECT_LE(pos.row, markerRows) << cell.text.toStdString();
        EXPECT_LE(pos.column, markerColumns) << cell.text.toStdString();
        EXPECT_TRUE(record.markerText(cell.text).has_value()) << cell.text.toStdString();
        used.insert(cell.text);
    }
    return used;
}

const QString rows = QStringLiteral("abcdefghijk");

} // namespace

TEST(ShippedTemplates, TheMixingTemplateShowsBothWatersAndEveryRow) {
    const MixingRecord record(test::mixingSeries());
    const std::set<QString> expected = markers({{{1, 5}, QStringLiteral("*")},
                                                {{6, 16}, QStringLiteral("ab")},
                                                {{17, 17}, QStringLiteral("*")},
                                                {{18, 31}, QStringLiteral("ab")},
                                                {{40, 73}, rows}});
    EXPECT_EQ(templateMarkers(QStringLiteral("MischwasserFenster.vts"), record), expected);
}

TEST(ShippedTemplates, TheTemperatureTemplateShowsTheWaterAndEveryRow) {
    const TemperatureRecord record(test::temperatureSeries());
    const std::set<QString> expected = markers({{{1, 31}, QStringLiteral("*")}, {{40, 71}, rows}});
    EXPECT_EQ(templateMarkers(QStringLiteral("TemperaturFenster.vts"), record), expected);
}
