#include "sheet/formats/BiffReader.h"

#include "sheet/formats/BiffRecords.h"
#include "sheet/formats/FileCode.h"
#include "sheet/model/SheetError.h"

#include <gtest/gtest.h>
#include <QtEndian>

using namespace velmora::sheet;
using namespace velmora::sheet::biff;

namespace {

// Builds BIFF streams record by record, as other programs write them.
class StreamBuilder {
public:
    explicit StreamBuilder(qsizetype maxBody = 8224) : m_stream(maxBody) {}

    StreamBuilder& add(std::uint16_t id, const Bytes& body) {
        m_stream.add(id, body);
        return *this;
    }
    // A BOUNDSHEET whose position is filled in by `beginSheet`.
    StreamBuilder& boundSheet(const Bytes& afterPosition) {
        m_positionFields.push_back(m_stream.data().size() + 4);
        return add(BoundSheet, Bytes().u32(0).raw(afterPosition.data()));
    }
    StreamBuilder& beginSheet(const Bytes& bof) {
        qToLittleEndian(std::uint32_t(m_stream.data().size()),
                        m_stream.data().data() + m_positionFields.at(m_sheetsBegun++));
        return add(Bof, bof);
    }
    const QByteArray& data() const { return m_stream.data(); }

private:
    Stream m_stream;
    std::vector<qsizetype> m_positionFields;
    std::size_t m_sheetsBegun = 0;
};

Bytes bof8(std::uint16_t type) {
    return Bytes().u16(0x0600).u16(type).u16(0x0DBB).u16(0x07CC).u32(0).u32(6);
}

Bytes bof5(std::uint16_t type) {
    return Bytes().u16(0x0500).u16(type).u16(0x0DBB).u16(0x07CC);
}

Bytes xf8(std::uint16_t format) {
    return Bytes().u16(0).u16(format).u16(0x0001).u8(0x20).u8(0).u8(0).u8(0).u32(0).u32(0).u16(0);
}

Bytes text8(const char* latin1) {
    const QByteArray bytes(latin1);
    return Bytes().u16(std::uint16_t(bytes.size())).u8(0).raw(bytes);
}

Bytes cell(std::uint16_t row, std::uint16_t column, std::uint16_t xf) {
    return Bytes().u16(row).u16(column).u16(xf);
}

std::uint32_t rkInteger(std::int32_t value) {
    return std::uint32_t(value) << 2 | 0x02;
}

// "A1 text" for every cell with a text, in row order.
std::vector<std::string> texts(const Sheet& sheet) {
    std::vector<std::string> out;
    for (const auto& [pos, c] : sheet.cells())
        if (!c.text.isEmpty())
            out.push_back((cellReference(pos) + u' ' + c.text).toStdString());
    return out;
}

std::string readError(const QByteArray& stream) {
    int code = 0;
    try {
        readBiffStream(stream, code);
    } catch (const SheetError& error) {
        return error.message().toStdString();
    }
    return "gelesen";
}

// A BIFF8 workbook with the records other programs write and ours does not.
QByteArray foreignBiff8Workbook() {
    StreamBuilder out;
    out.add(Bof, bof8(0x0005)).add(Codepage, Bytes().u16(1200));
    out.add(Format, Bytes().u16(164).raw(text8("0.0").data()));
    out.add(Format, Bytes().u16(165).raw(text8("DD.MM.YYYY hh:mm").data()));
    out.add(Xf, xf8(0)).add(Xf, xf8(164)).add(Xf, xf8(165)).add(Xf, xf8(14));
    out.boundSheet(Bytes().u8(0).u8(0).u8(7).u8(0).raw("Analyse"));
    // The second text goes on in a CONTINUE that restates its characters as 16 bits wide; the third
    // carries a rich-text run.
    out.add(Sst, Bytes().u32(3).u32(3).raw(text8("kurz").data()).u16(7).u8(0).raw("Gr\xfc"));
    out.add(Continue, Bytes().u8(1).utf16(QStringLiteral("ße €")).u16(4).u8(0x08).u16(1).raw("fett").u32(0));
    out.add(Eof, Bytes());
    out.beginSheet(bof8(0x0010));
    out.add(Rk, cell(0, 0, 1).u32(rkInteger(5)));
    out.add(Rk, cell(0, 1, 0).u32(125u << 2 | 0x03));
    out.add(MulRk, Bytes()
                       .u16(1)
                       .u16(0)
                       .u16(0)
                       .u32(rkInteger(1))
                       .u16(0)
                       .u32(rkInteger(-2))
                       .u16(1)
                       .u32(rkInteger(3))
                       .u16(2));
    out.add(Number, cell(2, 0, 2).f64(45000.5));
    out.add(Number, cell(2, 1, 3).f64(61.0));
    out.add(LabelSst, cell(3, 0, 0).u32(0))
        .add(LabelSst, cell(3, 1, 0).u32(1))
        .add(LabelSst, cell(3, 2, 0).u32(2));
    out.add(BoolErr, cell(4, 0, 0).u8(1).u8(0)).add(BoolErr, cell(4, 1, 0).u8(0).u8(0));
    out.add(BoolErr, cell(4, 2, 0).u8(0x07).u8(1));
    const auto formula = [](std::uint16_t column, const QByteArray& result) {
        return cell(5, column, 0).raw(result).u16(0).u32(0).u16(0);
    };
    out.add(Formula, formula(0, QByteArray::fromHex("000000000000ffff")));
    out.add(String, text8("pH 7,2"));
    out.add(Formula, formula(1, QByteArray::fromHex("010001000000ffff")));
    out.add(Formula, formula(2, QByteArray::fromHex("0000000000000440")));
    out.add(Formula, formula(3, QByteArray::fromHex("030000000000ffff")));
    out.add(MulBlank, Bytes().u16(6).u16(0).u16(1).u16(1).u16(1));
    out.add(Label, cell(7, 0, 0).u16(5).u8(1).utf16(QStringLiteral("Σ µS")).u16(u'!'));
    out.add(RString, cell(7, 1, 0).raw(text8("reich").data()).u16(0));
    out.add(Eof, Bytes());
    return out.data();
}

} // namespace

TEST(BiffReader, Biff8RecordsOfOtherProgramsGiveTheTextsTheyShow) {
    int code = 0;
    const Workbook book = readBiffStream(foreignBiff8Workbook(), code);
    EXPECT_EQ(code, Excel97Code);
    ASSERT_EQ(book.sheetCount(), 1);
    EXPECT_EQ(book.sheet(0).name(), QStringLiteral("Analyse"));
    const std::vector<std::string> expected{
        "A1 5.0",        "B1 1.25",   "A2 1",       "B2 -2",   "C2 3.0",   "A3 2023-03-15 12:00:00",
        "B3 1900-03-01", "A4 kurz",   "B4 Grüße €", "C4 fett", "A5 1",     "B5 0",
        "C5 #DIV/0!",    "A6 pH 7,2", "B6 1",       "C6 2.5",  "A8 Σ µS!", "B8 reich"};
    EXPECT_EQ(texts(book.sheet(0)), expected);
}

TEST(BiffReader, Biff5TextsFollowTheCodePageAndDatesThe1904Epoch) {
    StreamBuilder out(2080);
    out.add(Bof, bof5(0x0005)).add(Codepage, Bytes().u16(1252)).add(DateMode, Bytes().u16(1));
    const Bytes xf5 = Bytes().u16(0).u16(14).u16(0x0001).u8(0x20).u8(0).u32(0).u32(0);
    out.add(Xf, xf5);
    out.boundSheet(Bytes().u8(0).u8(2).u8(8).raw("Diagramm"));
    out.boundSheet(Bytes().u8(0).u8(0).u8(5).raw("Gr\xf6\xdf"
                                                 "e"));
    out.add(Eof, Bytes());
    out.beginSheet(bof5(0x0020)).add(Eof, Bytes()); // a chart sheet, passed over
    out.beginSheet(bof5(0x0010));
    out.add(Label, cell(0, 0, 0).u16(5).raw("Ma\xdf \x80"));
    out.add(Number, cell(1, 0, 0).f64(1.5));
    out.add(RString, cell(2, 0, 0).u16(3).raw("abc").u8(1).u16(0));
    out.add(Eof, Bytes());
    int code = 0;
    const Workbook book = readBiffStream(out.data(), code);
    EXPECT_EQ(code, Excel5Code);
    ASSERT_EQ(book.sheetCount(), 1);
    EXPECT_EQ(book.sheet(0).name(), QStringLiteral("Größe"));
    EXPECT_EQ(texts(book.sheet(0)), (std::vector<std::string>{"A1 Maß €", "A2 1904-01-02", "A3 abc"}));
}

TEST(BiffReader, OlderGenerationsAreReadAsPlainWorksheets) {
    struct Case {
        const char* name;
        QByteArray stream;
        std::vector<std::string> texts;
    };
    StreamBuilder biff2;
    biff2.add(Biff2Bof, Bytes().u16(0x0002).u16(0x0010));
    biff2.add(Biff23Format, Bytes().u8(7).raw("General")).add(Biff23Format, Bytes().u8(4).raw("0.00"));
    biff2.add(Biff2Integer, Bytes().u16(0).u16(0).u8(0).u8(1).u8(0).u16(7));
    biff2.add(Biff2Number, Bytes().u16(0).u16(1).u8(0).u8(0).u8(0).f64(0.5));
    biff2.add(Biff2Label, Bytes().u16(1).u16(0).u8(0).u8(0).u8(0).u8(4).raw("\xc4nde"));
    biff2.add(Biff2BoolErr, Bytes().u16(1).u16(1).u8(0).u8(0).u8(0).u8(1).u8(0));
    biff2.add(Biff2Row, Bytes().u16(0).u16(0).u16(2).u16(300).u16(0).u16(0).u8(0).u16(0));
    biff2.add(Biff2ColWidth, Bytes().u8(0).u8(1).u16(256 * 10));
    biff2.add(Eof, Bytes());

    StreamBuilder biff3;
    biff3.add(Biff3Bof, Bytes().u16(0).u16(0x0010).u16(0));
    biff3.add(Biff23Format, Bytes().u8(3).raw("0.0"));
    biff3.add(Biff3Xf, Bytes().u8(0).u8(0).u8(0).u8(0).u16(0).u16(0).u16(0).u16(0));
    biff3.add(Number, cell(0, 0, 0).f64(2.26));
    biff3.add(Label, cell(0, 1, 0).u16(2).raw("ok"));
    biff3.add(Biff3Formula, cell(0, 2, 0).f64(4.0).u16(0).u16(0));
    biff3.add(Eof, Bytes());

    StreamBuilder biff4;
    biff4.add(Biff4Bof, Bytes().u16(0).u16(0x0010).u16(0));
    biff4.add(Format, Bytes().u16(5).u8(5).raw("0.000"));
    biff4.add(Biff4Xf, Bytes().u8(0).u8(5).u16(0).u16(0).u16(0).u16(0).u16(0));
    biff4.add(Number, cell(0, 0, 0).f64(2.5));
    biff4.add(Rk, cell(0, 1, 0).u32(rkInteger(1)));
    biff4.add(Eof, Bytes());

    const Case cases[] = {
        {"BIFF2", biff2.data(), {"A1 7.00", "B1 0.5", "A2 Ände", "B2 1"}},
        {"BIFF3", biff3.data(), {"A1 2.3", "B1 ok", "C1 4.0"}},
        {"BIFF4", biff4.data(), {"A1 2.500", "B1 1.000"}},
    };
    for (const Case& c : cases) {
        int code = 0;
        const Workbook book = readBiffStream(c.stream, code);
        EXPECT_EQ(code, Excel5Code) << c.name;
        ASSERT_EQ(book.sheetCount(), 1) << c.name;
        EXPECT_EQ(texts(book.sheet(0)), c.texts) << c.name;
    }
    int code = 0;
    const Sheet biff2Sheet = readBiffStream(biff2.data(), code).sheet(0);
    EXPECT_DOUBLE_EQ(biff2Sheet.rowHeight(1), 20.0);
    EXPECT_DOUBLE_EQ(biff2Sheet.columnWidth(2), 75.0);
}

TEST(BiffReader, DamageIsNamedInTheMessage) {
    const QByteArray good = foreignBiff8Workbook();
    const auto sheetStart = [&good] {
        return qsizetype(good.indexOf(QByteArray::fromHex("0908100000061000"), 16));
    };
    const QByteArray boundSheetHeader = QByteArray::fromHex("85000f00");
    QByteArray wrongIndex = good;
    wrongIndex.replace(QByteArray::fromHex("fd000a0003000200000002000000"),
                       QByteArray::fromHex("fd000a0003000200000007000000"));
    QByteArray twoAtOnePlace = good;
    {
        // A second BOUNDSHEET that names the same position as the first.
        const qsizetype at = good.indexOf(boundSheetHeader);
        const qsizetype size = 4 + 15;
        twoAtOnePlace.insert(at, good.mid(at, size));
        const std::uint32_t position = qFromLittleEndian<quint32>(twoAtOnePlace.constData() + at + 4) + size;
        qToLittleEndian(position, twoAtOnePlace.data() + at + 4);
        qToLittleEndian(position, twoAtOnePlace.data() + at + size + 4);
    }
    QByteArray beyondEnd = good;
    qToLittleEndian(std::uint32_t(good.size() + 10), beyondEnd.data() + good.indexOf(boundSheetHeader) + 4);
    QByteArray chartOnly = good;
    chartOnly[sheetStart() + 6] = 0x20;
    QByteArray badMerge = good.left(good.size() - 4);
    badMerge += Bytes().u16(MergedCells).u16(10).u16(1).u16(4).u16(2).u16(0).u16(1).data();
    badMerge += QByteArray::fromHex("0a000000");

    const std::pair<QByteArray, std::string> cases[] = {
        {QByteArray(),
         "Die Excel-Arbeitsmappe ist beschädigt: der Datenstrom beginnt nicht mit einem BOF-Datensatz."},
        {good.mid(20),
         "Die Excel-Arbeitsmappe ist beschädigt: der Datenstrom beginnt nicht mit einem BOF-Datensatz."},
        {good.left(good.size() - 5), "Die Excel-Arbeitsmappe ist beschädigt: Datensatz bei Byte " +
                                         std::to_string(good.size() - 24) + " reicht über das Ende hinaus."},
        {wrongIndex, "Die Excel-Arbeitsmappe ist beschädigt: Text 7 fehlt in der Texttabelle."},
        {twoAtOnePlace, "Die Excel-Arbeitsmappe ist beschädigt: zwei Tabellen beginnen an derselben Stelle."},
        {beyondEnd,
         "Die Excel-Arbeitsmappe ist beschädigt: Tabelle „Analyse“ beginnt hinter dem Ende des Datenstroms."},
        {chartOnly, "Die Arbeitsmappe enthält keine Tabelle."},
        {badMerge, "Die Excel-Arbeitsmappe ist beschädigt: ungültiger verbundener Bereich."},
    };
    for (const auto& [stream, message] : cases)
        EXPECT_EQ(readError(stream), message);
}

TEST(BiffReader, WorkbookRecordsInsideAWorksheetChangeNoSheets) {
    StreamBuilder out;
    out.add(Bof, bof8(0x0005)).add(Xf, xf8(0));
    out.boundSheet(Bytes().u8(0).u8(0).u8(1).u8(0).raw("A"));
    out.add(Eof, Bytes());
    out.beginSheet(bof8(0x0010));
    for (int i = 0; i < 100; ++i)
        out.add(BoundSheet, Bytes().u32(0).u8(0).u8(0).u8(1).u8(0).raw("X"));
    out.add(Number, cell(0, 0, 0).f64(2.5));
    out.add(Eof, Bytes());
    int code = 0;
    const Workbook book = readBiffStream(out.data(), code);
    ASSERT_EQ(book.sheetCount(), 1);
    EXPECT_EQ(texts(book.sheet(0)), std::vector<std::string>{"A1 2.5"});
}

TEST(BiffReader, LimitsAreCheckedBeforeTheWork) {
    StreamBuilder sheets;
    sheets.add(Bof, bof8(0x0005));
    for (int i = 0; i <= maxSheets; ++i)
        sheets.boundSheet(Bytes().u8(0).u8(0).u8(1).u8(0).raw("T"));
    EXPECT_EQ(readError(sheets.data()), "Die Arbeitsmappe hat mehr als 1024 Tabellen.");

    // Blank cells of the standard look make no cells, but they are counted all the same.
    StreamBuilder cells;
    cells.add(Bof, bof8(0x0010));
    Bytes row = Bytes().u16(0).u16(0);
    for (int column = 0; column < maxColumns; ++column)
        row.u16(0);
    row.u16(maxColumns - 1);
    for (std::size_t i = 0; i <= maxCells / maxColumns; ++i)
        cells.add(MulBlank, row);
    EXPECT_EQ(readError(cells.data()), "Die Arbeitsmappe hat mehr als 1000000 Zellen.");

    StreamBuilder merges;
    merges.add(Bof, bof8(0x0010));
    for (int first = 0; first <= int(maxMerges); first += 1000) {
        Bytes body = Bytes().u16(1000);
        for (int i = first; i < first + 1000; ++i)
            body.u16(std::uint16_t(i)).u16(std::uint16_t(i)).u16(0).u16(1);
        merges.add(MergedCells, body);
    }
    EXPECT_EQ(readError(merges.data()), "Die Tabelle hat mehr als 10000 verbundene Bereiche.");
}
