#include "windows/UniqueTitle.h"

#include "windows/SheetTemplates.h"

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

TEST(SheetTemplates, EachKindHasItsFile) {
    EXPECT_EQ(templateFileName(QStringLiteral("Wasserfenster")), QStringLiteral("WasserFenster.vts"));
    EXPECT_EQ(templateFileName(QStringLiteral("Sandfilter-Fenster")), QStringLiteral("SandFenster.vts"));
    EXPECT_EQ(templateFileName(QStringLiteral("Enthärtungsfenster")), QStringLiteral("EnthFenster.vts"));
    EXPECT_EQ(templateFileName(QStringLiteral("Unbekannt")), QString());
}
