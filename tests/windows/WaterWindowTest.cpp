#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "engine/AnalysisInput.h"
#include "engine/Engine.h"
#include "FailingFileSystem.h"
#include "FakeMdiHost.h"
#include "Near.h"
#include "SampleWaters.h"
#include "ScriptedDialogs.h"
#include "sheet/formats/FileCode.h"
#include "sheet/formats/WorkbookFile.h"
#include "sheet/view/SheetBook.h"
#include "ShippedTemplate.h"
#include "TemplateFolder.h"
#include "TestData.h"
#include "windows/MdiHost.h"
#include "windows/SheetTemplates.h"
#include "windows/TWasserF.h"
#include "windows/WaterRecord.h"
#include "windows/WaterWindowData.h"
#include "windows/WindowType.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

using namespace velmora;
using test::evaluatedWater;

namespace {

const AnalysisHeader header(QStringLiteral("Brunnen Süd"), QStringLiteral("Jörg Maß"),
                            QStringLiteral("12.03.26"), QStringLiteral("gekühlt"),
                            QStringLiteral("µS bei 25 °C"));

// The templates shipped with the program.
QString shippedTemplates() {
    return QStringLiteral(VELMORA_SOURCE_DIR "/Vorlagen/");
}

class WaterWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(program.path()).mkpath(QStringLiteral("Vorlagen"));
        QFile::copy(shippedTemplates() + QStringLiteral("WasserFenster.vts"),
                    program.path() + QStringLiteral("Vorlagen/WasserFenster.vts"));
    }

    QString path(const QString& name) const { return program.path() + name; }
    void writeBytes(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    test::ScriptedDialogs dialogs;
    test::ProgramFolder program;
    test::FakeMdiHost host{program.path()};
};

} // namespace

TEST(WaterFileRecord, LaysOutEveryFieldAtItsOffset) {
    const WaterWindowData water = evaluatedWater(4);
    const QByteArray record = WaterRecord(header, water).encode();
    ASSERT_EQ(record.size(), 1584);
    const RecordReader read(record);
    EXPECT_EQ(read.readText(0), QStringLiteral("Brunnen Süd"));
    EXPECT_EQ(read.readText(81), QStringLiteral("Jörg Maß"));
    EXPECT_EQ(read.readText(324), QStringLiteral("µS bei 25 °C"));
    EXPECT_EQ(read.readDouble(408), water.pHm);
    EXPECT_EQ(read.readDouble(416), water.ks43);
    EXPECT_EQ(read.readDouble(456), water.tEval);
    EXPECT_EQ(read.readDouble(464), water.k25);
    EXPECT_EQ(read.readDouble(496), 8.5);
    EXPECT_EQ(read.readDouble(504), water.totals[0]);
    EXPECT_EQ(read.readDouble(552), water.totals[6]);
    EXPECT_DOUBLE_EQ(read.readDouble(560), water.totals[0] * 40.08);
    EXPECT_DOUBLE_EQ(read.readDouble(608), water.totals[6] * 35.45);
    EXPECT_EQ(read.readUInt16(616), 4);
    EXPECT_EQ(read.readDouble(624 + 25 * 8), water.slots[1][slot::pH]);
    EXPECT_EQ(read.readDouble(944 + 16 * 8), water.slots[2][slot::caTotal]);
    EXPECT_EQ(read.readDouble(1264 + 39 * 8), water.slots[3][slot::ionBalanceError]);
    EXPECT_EQ(read.readDouble(624 + 34 * 8), 0.0);

    WaterRecord back;
    back.decode(record + QByteArray(16, '\x7f'));
    EXPECT_EQ(back, WaterRecord(header, water));
}

TEST(WaterFileRecord, MethodsOutside1To7AreRead1AndWritten1) {
    for (int method : {0, 8, 9, 12}) {
        WaterWindowData water = evaluatedWater();
        water.method = method;
        QByteArray record = WaterRecord(header, water).encode();
        EXPECT_EQ(RecordReader(record).readUInt16(616), 1) << method;
        qToLittleEndian<quint16>(quint16(method), record.data() + 616);
        WaterRecord back;
        back.decode(record);
        EXPECT_EQ(back.water.method, 1) << method;
    }
}

TEST(WaterFileRecord, EveryShorterFileFailsAndLeavesTheWaterAlone) {
    const QByteArray record = WaterRecord(header, evaluatedWater()).encode();
    WaterRecord water(header, evaluatedWater(7));
    const WaterRecord before = water;
    for (qsizetype length = 0; length < record.size(); ++length) {
        EXPECT_THROW(water.decode(record.left(length)), FileError);
        EXPECT_EQ(water, before);
    }
}

// The record of a known water, byte for byte as data files of earlier versions hold it.
TEST(WaterFileRecord, MatchesTheGoldenFile) {
    QFile golden(test::testDataPath(QStringLiteral("brunnen-sued.was")));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray bytes = golden.readAll();
    const WaterRecord record(header, evaluatedWater(4));
    EXPECT_EQ(record.encode().toHex().toStdString(), bytes.toHex().toStdString());
    WaterRecord read;
    read.decode(bytes);
    EXPECT_EQ(read, record);
}

TEST(WaterMarkers, FollowTheTableOfTheWaterWindow) {
    WaterRecord record(header, evaluatedWater(1));
    WaterWindowData& water = record.water;
    const auto text = [&](int number) {
        return waterMarkerText(record, number);
    };
    EXPECT_EQ(text(1), QStringLiteral("Brunnen Süd"));
    EXPECT_EQ(text(3), QStringLiteral("12.03.26"));
    EXPECT_EQ(text(6), QStringLiteral("7.210"));
    EXPECT_EQ(text(7), QStringLiteral("4.350"));
    EXPECT_EQ(text(11), QStringLiteral("11.400"));
    EXPECT_EQ(text(16), QStringLiteral("620.000"));
    EXPECT_EQ(text(17), QStringLiteral("25.000"));
    EXPECT_EQ(text(18), QStringLiteral("2.450"));
    EXPECT_EQ(text(25), QStringLiteral("98.196"));
    EXPECT_EQ(text(31), QStringLiteral("31.196"));
    EXPECT_EQ(text(34), formatNumber(water.slots[1][slot::pH]));
    EXPECT_EQ(text(36), formatNumber(water.slots[3][slot::pH]));
    EXPECT_EQ(text(38), QStringLiteral("Das Wasser ist calcitlösend"));
    EXPECT_EQ(text(39), QStringLiteral("und wurde aus den Größen pH-Wert und Ks(4,3) berechnet."));
    EXPECT_EQ(text(40), formatNumber(water.slots[1][slot::co2] * 1000));
    EXPECT_EQ(text(72 + 25), formatNumber(water.slots[2][slot::pH]));
    EXPECT_EQ(text(104 + 17), formatNumber(water.slots[3][slot::ionicStrengthK25] * 1000));
    EXPECT_EQ(text(40 + 29), formatNumber(water.slots[1][slot::ohMinusH] * 1e6));
    EXPECT_EQ(text(135), QStringLiteral("10.000"));
    EXPECT_EQ(text(136), QStringLiteral("8.500"));
    EXPECT_EQ(text(0), std::nullopt);
    EXPECT_EQ(text(137), std::nullopt);

    water.method = 9;
    EXPECT_EQ(text(39), QString());
    water.method = 8;
    EXPECT_EQ(text(39), std::nullopt);
    water.slots[3][slot::caTotal] = water.slots[1][slot::caTotal] + 0.0000009;
    EXPECT_EQ(text(38), QStringLiteral("Das Wasser befindet sich im Gleichgewicht"));
}

TEST(ShippedTemplates, TheWaterTemplateUsesExactlyTheMarkersOfTheWaterWindow) {
    const std::set<int> used =
        test::shippedTemplateMarkers("WasserFenster.vts", WaterRecord(header, evaluatedWater()));
    for (int number = 1; number <= 136; ++number)
        EXPECT_TRUE(used.contains(number)) << "marker " << number << " is not in the template";
}

TEST_F(WaterWindowTest, ShowsEveryMarkerOfTheShippedTemplate) {
    TWasserF window(host, WaterRecord(header, evaluatedWater()));
    ASSERT_TRUE(window.showContents());
    const sheet::SheetBook& book = *window.Book();
    for (int row = 1; row <= markerRows; ++row)
        for (int column = 1; column <= markerColumns; ++column)
            EXPECT_FALSE(markerNumber(book.getCellText(row, column)).has_value())
                << row << "/" << column << ": " << book.getCellText(row, column).toStdString();
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WaterWindowTest, ASavedFileReloadsToTheSameWater) {
    TWasserF saved(host, WaterRecord(header, evaluatedWater(5)));
    saved.SaveFile(path(QStringLiteral("probe.txt"))); // the type's extension replaces another
    EXPECT_TRUE(saved.Saved);
    ASSERT_TRUE(QFile::exists(path(QStringLiteral("probe.was"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("probe.txt"))));

    host.captions = {QStringLiteral("Brunnen Süd")};
    TWasserF loaded(host);
    ASSERT_TRUE(loaded.LoadFile(path(QStringLiteral("probe.was"))));
    EXPECT_EQ(loaded.record(), saved.record());
    EXPECT_TRUE(loaded.Saved);
    EXPECT_TRUE(loaded.caption().startsWith(QStringLiteral("Brunnen Süd-")));
    EXPECT_EQ(loaded.Book()->getCellText(5, 2), QStringLiteral("Brunnen Süd"));

    WaterState state{};
    loaded.LoadWaterState(state);
    EXPECT_EQ(state.dic, saved.record().water.dic);
    EXPECT_EQ(state.caFree, saved.record().water.slots[1][slot::caFree]);
    EXPECT_EQ(state.o2Mass, 8.5);
}

TEST_F(WaterWindowTest, AShortFileIsReportedAndTheWindowCloses) {
    const QByteArray record = WaterRecord(header, evaluatedWater()).encode();
    writeBytes(QStringLiteral("kurz.was"), record.left(1583));
    TWasserF window(host, WaterRecord(header, evaluatedWater()));
    EXPECT_FALSE(window.LoadFile(path(QStringLiteral("kurz.was"))));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Die Datei %1 konnte nicht geöffnet werden").arg(path(QStringLiteral("kurz.was"))));
    EXPECT_TRUE(window.Saved);

    writeBytes(QStringLiteral("lang.was"), record + QByteArray(16, '\0'));
    TWasserF longer(host);
    EXPECT_TRUE(longer.LoadFile(path(QStringLiteral("lang.was"))));
}

TEST_F(WaterWindowTest, AFailedSaveKeepsTheOldFileAndTheWindowUnsaved) {
    TWasserF window(host, WaterRecord(header, evaluatedWater()));
    EXPECT_EQ(window.SaveFile(path(QStringLiteral("fehlt/probe.was"))), std::nullopt);
    const QString message =
        QStringLiteral("Die Datei %1 konnte nicht gespeichert werden\n\rFolgende Zeichen dürfen "
                       "nicht im Dateinamen enthalten sein:\n\r\\ / : * ? \" < > |");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, message.arg(path(QStringLiteral("fehlt/probe.was"))));
    EXPECT_FALSE(window.Saved);

    // A full disk at any byte of the record leaves the file there as it was.
    const QByteArray old = WaterRecord(header, evaluatedWater(3)).encode();
    writeBytes(QStringLiteral("probe.was"), old);
    for (long bytes : {0L, 1L, 405L, 1583L}) {
        test::FailingFileSystem full(bytes);
        EXPECT_EQ(window.SaveFile(path(QStringLiteral("probe.was"))), std::nullopt) << bytes;
        QFile file(path(QStringLiteral("probe.was")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old) << bytes;
        EXPECT_EQ(dialogs.messages.back().text, message.arg(path(QStringLiteral("probe.was"))));
    }
    EXPECT_FALSE(window.Saved);
}

TEST_F(WaterWindowTest, ExportsOpenWithTheSameTexts) {
    TWasserF window(host, WaterRecord(header, evaluatedWater()));
    window.showContents();
    for (const auto& [index, code] : {std::pair{3, sheet::Excel97Code}, std::pair{2, sheet::Excel5Code}}) {
        const QString file = path(QStringLiteral("export%1.xls").arg(code));
        window.SaveFileAs(file, index);
        int readCode = 0;
        const sheet::Workbook exported = sheet::readWorkbookFile(file, readCode);
        EXPECT_EQ(readCode, code);
        for (int row = 1; row <= markerRows; ++row)
            for (int column = 1; column <= 8; ++column)
                EXPECT_EQ(exported.sheet(0).text({row, column}), window.Book()->getCellText(row, column))
                    << code << " " << row << "/" << column;
    }
    EXPECT_FALSE(window.Saved);
}
