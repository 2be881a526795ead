#pragma once

#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "windows/ResultRecord.h"
#include "windows/SheetTemplates.h"

#include <gtest/gtest.h>
#include <set>

namespace velmora::test {

/// The marker numbers of a template shipped in Vorlagen/, each checked to lie where markers are filled
/// and to get a value from `record`.
inline std::set<int> shippedTemplateMarkers(const char* file, const ResultRecord& record) {
    int code = 0;
    const sheet::Workbook book = sheet::readWorkbookFile(
        QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen/") + QString::fromLatin1(file), code);
    EXPECT_EQ(code, sheet::NativeCode);
    std::set<int> used;
    for (const auto& [pos, cell] : book.sheet(0).cells()) {
        const std::optional<int> number = markerNumber(cell.text);
        if (!number)
            continue;
        EXPECT_LE(pos.row, markerRows) << cell.text.toStdString();
        EXPECT_LE(pos.column, markerColumns) << cell.text.toStdString();
        EXPECT_TRUE(record.markerText(cell.text).has_value()) << cell.text.toStdString();
        used.insert(*number);
    }
    return used;
}

} // namespace velmora::test
