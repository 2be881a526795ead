#include "windows/UniqueTitle.h"

#include "windows/SheetTemplates.h"
#include "windows/WindowType.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(UniqueTitle, AppendsTheProgramWideCounterWhileATitleIsTaken) {
    const int start = uniqueTitleCounter();
    EXPECT_EQ(makeTitleUnique(QStringLiteral("Brunnen"), {QStringLiteral("Quelle")}),
              QStringLiteral("Brunnen"));
    EXPECT_EQ(makeTitleUnique(QStringLiteral("Analyse"), {QStringLiteral("analyse")}),
              QStringLiteral("Analyse-%1").arg(start));
    // The counter runs on across all windows and is never reset.
    EXPECT_EQ(makeTitleUnique(QStringLiteral("Analyse"), {QStringLiteral("ANALYSE"), QStringLiteral("x")}),
              QStringLiteral("Analyse-%1").arg(start + 1));
    EXPECT_EQ(
        makeTitleUnique(QStringLiteral("A"), {QStringLiteral("a"), QStringLiteral("a-%1").arg(start + 2)}),
        QStringLiteral("A-%1-%2").arg(start + 2).arg(start + 3));
    EXPECT_EQ(uniqueTitleCounter(), start + 4);
}

TEST(SheetMarkers, FirstAndFifthCharacterAreAsterisks) {
    EXPECT_EQ(markerNumber(QStringLiteral("*034*")), 34);
    EXPECT_EQ(markerNumber(QStringLiteral("*12a*")), 12);
    EXPECT_EQ(markerNumber(QStringLiteral("*000*")), 0);
    EXPECT_EQ(markerNumber(QStringLiteral("*-12*")), -12);
    EXPECT_EQ(markerNumber(QStringLiteral("*136* mmol/l")), 136);
    EXPECT_EQ(markerNumber(QStringLiteral("*12*")), std::nullopt);
    EXPECT_EQ(markerNumber(QStringLiteral("**12")), std::nullopt);
    EXPECT_EQ(markerNumber(QStringLiteral("*xyz*")), std::nullopt);
    EXPECT_EQ(markerNumber(QStringLiteral("x034*")), std::nullopt);
}

TEST(WindowTypes, OneRowPerTypeInTheOrderOfTheirFiles) {
    const char16_t* const extensions[] = {u".was", u".wam", u".wat", u".wse", u".whe",
                                          u".weh", u".wak", u".waf", u".wff", u".wsf"};
    const qsizetype fileSizes[] = {1584, 12408, 4136, 11608, 4464, 4544, 4120, 4264, 4320, 4320};
    for (std::size_t i = 0; i < windowTypes.size(); ++i) {
        const WindowType& type = windowTypes[i];
        EXPECT_EQ(type.kind, WindowKind(i));
        EXPECT_EQ(QStringView(type.extension), QStringView(extensions[i]));
        EXPECT_EQ(type.fileSize(), fileSizes[i]) << i;
        EXPECT_EQ(windowTypeOfFile(QStringLiteral("/daten/Probe.") + type.fileExtension().mid(1).toUpper()),
                  &type);
    }
    EXPECT_EQ(QStringView(windowTypeOf(WindowKind::SandFilter).templateFile), u"SandFenster.vts");
    EXPECT_EQ(QStringView(windowTypeOf(WindowKind::Softening).kindName), u"Enthärtungsfenster");
    EXPECT_EQ(windowTypeOf(WindowKind::RapidDecarbonisation).captionOffset, 6870);
    EXPECT_EQ(windowTypeOfFile(QStringLiteral("Probe.wdt")), nullptr);
    EXPECT_EQ(windowTypeOfFile(QStringLiteral("was")), nullptr);
}
