#include "engine/Engine.h"
#include "treatment/CorrosionForm.h"
#include "treatment/CorrosionRecord.h"
#include "treatment/DeacidificationForm.h"
#include "treatment/DecarbonisationForm.h"
#include "treatment/DosingForm.h"
#include "TreatmentWaters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Icon = DialogSeam::Icon;
using Step = FormResult::Step;

AnalysisHeader named(const char* name = "Brunnen Süd") {
    return AnalysisHeader(QString::fromUtf8(name), QStringLiteral("Jörg Maß"), QStringLiteral("09.12.26"),
                          QStringLiteral("gekühlt"), QString());
}

// What a form came to, for one comparison of the whole outcome.
struct Outcome {
    Step step;
    std::string text;
    Icon icon;
    std::string focus;

    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << int(o.step) << " \"" << o.text << "\" " << int(o.icon) << " " << o.focus;
}

Outcome outcomeOf(const FormResult& r) {
    return {r.step, r.message.text.toStdString(), r.message.icon, r.message.focus.toStdString()};
}

const Outcome done{Step::Done, "", Icon::Warning, ""};

Outcome told(const char* text, Icon icon = Icon::Warning, const char* focus = "") {
    return {Step::Told, text, icon, focus};
}

const Outcome invalidValues = told("Bitte geben Sie gültige Werte ein!");
const Outcome missingName =
    told("Bitte geben Sie einen Namen für die Analyse ein!", Icon::Warning, "Analyse");

// ---- Zugabe Säure/Lauge

struct DosingCase {
    const char* name;
    DosingInputs inputs;
    Outcome expected;
};

DosingInputs toPh(const char* ph, Chemical chemical = Chemical::Hcl, const char* cx = "1") {
    DosingInputs in{0,
                    QString::fromUtf8(cx),
                    chemical,
                    QString::fromUtf8(ph),
                    QStringLiteral("1"),
                    Chemical::Hcl,
                    QStringLiteral("0,5")};
    return in;
}

DosingInputs amount(const char* amount, Chemical chemical = Chemical::Hcl, const char* cx = "1") {
    return {1,        QStringLiteral("1"),      Chemical::Hcl, QStringLiteral("7"), QString::fromUtf8(cx),
            chemical, QString::fromUtf8(amount)};
}

TEST(DosingFormTest, ChecksInTheirOrder) {
    const Outcome acidRange = told("pH-Wert bitte im Bereich 4 < pH-Wert < 7.210", Icon::Error, "phin");
    const Outcome baseRange = told("pH-Wert bitte im Bereich 7.210 < pH-Wert < 13", Icon::Error, "phin");
    const Outcome badCx = told("Bitte geben Sie einen gültigen Wert für c(x) ein!", Icon::Error, "cxin1");
    const DosingCase cases[] = {
        {"a text that is no number, on either page", toPh("7", Chemical::Hcl, "1,2,3"), invalidValues},
        {"the other page's amount is no number",
         [] {
             DosingInputs in = toPh("7");
             in.amount = QStringLiteral("0,5,");
             return in;
         }(),
         invalidValues},
        {"no concentration", toPh("7", Chemical::Hcl, ""), badCx},
        {"a concentration of 0", toPh("7", Chemical::Hcl, "0"), badCx},
        {"a negative concentration", toPh("7", Chemical::Hcl, "-1"), badCx},
        {"no pH", toPh(""), told("Bitte geben Sie einen gültigen Wert für pH ein!", Icon::Error, "phin")},
        {"acid to 3.5", toPh("3,5"), acidRange},
        {"acid above the water's pH", toPh("7,5"), acidRange},
        {"acid to 4", toPh("4"), done},
        {"acid to the water's pH", toPh("7,21"), done},
        {"base to 13.5", toPh("13,5", Chemical::Naoh), baseRange},
        {"base below the water's pH", toPh("7", Chemical::Koh), baseRange},
        {"base to the water's pH", toPh("7.21", Chemical::CaOh2), done},
        {"base to 13", toPh("13", Chemical::Naoh), done},
        {"an amount of 0", amount("0"), told("Bitte geben Sie gültige Werte ein!", Icon::Error)},
        {"no amount", amount(""), told("Bitte geben Sie gültige Werte ein!", Icon::Error)},
        {"no concentration for the amount", amount("0,5", Chemical::Hcl, ""),
         told("Bitte geben Sie gültige Werte ein!", Icon::Error)},
        {"a concentration of 0 for the amount", amount("0,5", Chemical::Hcl, "0"), done},
    };
    for (const DosingCase& c : cases) {
        EngineState engine;
        AnalysisHeader header = named();
        EXPECT_EQ(outcomeOf(runDosingForm(engine, test::evaluatedWater(), header, c.inputs)), c.expected)
            << c.name;
    }
    EngineState engine;
    AnalysisHeader blank = named("  ");
    EXPECT_EQ(outcomeOf(runDosingForm(engine, test::evaluatedWater(), blank, toPh("7"))), missingName);
}

TEST(DosingFormTest, TheDoseBecomesTheSecondRemark) {
    EngineState engine;
    AnalysisHeader header = named();
    ASSERT_EQ(runDosingForm(engine, test::evaluatedWater(), header, amount("2", Chemical::Co2, "5")).step,
              Step::Done);
    EXPECT_EQ(header.text(AnalysisHeader::Remark2).toStdString(), "2.000 mmol/l CO2-Zugabe");
    EXPECT_EQ(header.name().toStdString(), "Brunnen Süd");
    EXPECT_EQ(engine.lastMethod, 7);

    header = named();
    ASSERT_EQ(
        runDosingForm(engine, test::evaluatedWater(), header, toPh("6,5", Chemical::H2so4, "0,05")).step,
        Step::Done);
    const QString remark = header.text(AnalysisHeader::Remark2);
    EXPECT_TRUE(remark.endsWith(QStringLiteral(" ml H2SO4-Zugabe mit c(H2SO4) =0,05 mol/l")))
        << remark.toStdString();
    EXPECT_NEAR(engine.results[1][slot::pH], 6.5, 0.0004);
}

TEST(DosingFormTest, AWantedPhNotReachedGivesUpWithoutAWord) {
    EngineState engine;
    AnalysisHeader header = named();
    EXPECT_EQ(outcomeOf(runDosingForm(engine, test::acidicWater(), header, toPh("10,02", Chemical::CaOh2))),
              (Outcome{Step::Abandoned, "", Icon::Warning, ""}));
}

// ---- Korrosionsbetrachtung

TEST(CorrosionFormTest, ChecksInTheirOrder) {
    const Outcome badOxygen = told("Bitte geben Sie einen gültigen Wert für rho(O2) ein!", Icon::Error);
    const std::pair<const char*, Outcome> cases[] = {
        {"2,5,", told("Bitte geben Sie einen gültigen Wert ein!")},
        {"", badOxygen},
        {"0", badOxygen},
        {"-1", badOxygen},
        {"0,1", done},
    };
    for (const auto& [oxygen, expected] : cases) {
        CorrosionRecord record;
        EXPECT_EQ(
            outcomeOf(runCorrosionForm(record, test::evaluatedWater(), named(), QString::fromUtf8(oxygen))),
            expected)
            << oxygen;
    }
    CorrosionRecord record;
    EXPECT_EQ(outcomeOf(runCorrosionForm(record, test::evaluatedWater(), named(""), QStringLiteral("2"))),
              missingName);
    EXPECT_EQ(record, CorrosionRecord());
}

// ---- Entsäuerung

struct Questions {
    std::vector<bool> answers;
    std::vector<std::string> asked;

    Confirmation confirmation() {
        return [this](const QString& question) {
            asked.push_back(question.toStdString());
            const bool yes = answers.empty() || answers.front();
            if (!answers.empty())
                answers.erase(answers.begin());
            return yes;
        };
    }
};

FormResult deacidify(const WaterWindowData& water, const char* target,
                     DeacidificationMethod method = DeacidificationMethod::Lime, int position = -1,
                     Questions* questions = nullptr, AnalysisHeader* header = nullptr) {
    EngineState engine;
    Questions none;
    AnalysisHeader own = named();
    return runDeacidificationForm(engine, water, header ? *header : own, QString::fromUtf8(target), method,
                                  position, (questions ? *questions : none).confirmation());
}

TEST(DeacidificationFormTest, ChecksInTheirOrder) {
    const WaterWindowData water = test::evaluatedWater(); // SI -0.110
    const Outcome badTarget =
        told("Bitte geben Sie einen gültigen Wert für den Sättigungsindex ein", Icon::Error, "SI");
    EXPECT_EQ(outcomeOf(deacidify(water, "0,1,")), told("Bitte geben Sie einen gültigen Wert ein!"));
    AnalysisHeader blank = named("");
    EXPECT_EQ(outcomeOf(deacidify(water, "0", DeacidificationMethod::Lime, -1, nullptr, &blank)),
              missingName);
    EXPECT_EQ(outcomeOf(deacidify(test::evaluatedWater(1, 10, 7.6), "0")),
              told("Entsäuerung nicht möglich!\r\nDer Sättigungsindex des Wassers ist größer/gleich 0"));
    EXPECT_EQ(outcomeOf(deacidify(water, "")), badTarget);
    EXPECT_EQ(outcomeOf(deacidify(water, "0,1")), badTarget);
    EXPECT_EQ(outcomeOf(deacidify(water, "-0,2")),
              told("Der eingegebene Sättigungsindex liegt unter dem des zu entsäuernden Wassers",
                   Icon::Warning, "SI"));
    EXPECT_EQ(outcomeOf(deacidify(water, "-0.05")), done);
}

TEST(DeacidificationFormTest, AWaterAlmostSaturatedIsRefusedByTheCalculation) {
    WaterWindowData water = test::evaluatedWater();
    water.slots[1][slot::si] = -0.00005;
    EXPECT_EQ(outcomeOf(deacidify(water, "0")),
              (Outcome{Step::Abandoned,
                       "Sättigungsindex ist bereits größer/gleich 0\r\nEntsäuerung nicht möglich !",
                       Icon::Warning, ""}));
}

TEST(DeacidificationFormTest, FiltrationMaterialsAskForTheirRecommendation) {
    const std::string carbonate =
        "Mindestens ein Wert des zu entsäuernden Wassers entspricht nicht den Empfehlungen nach DVGW "
        "W214.\n\r"
        "Abschnitt 3.2 - Kriterien zur Überprüfung der Anwendbarkeit - empfiehlt bei Filtration über poröses "
        "Calciumcarbonat folgende Werte:\n\rKs4,3 + 2 Kb8,2 <= 1,5 mmol/l sowie  c(Ca) <= 0,75 "
        "mmol/l.\r\n\r\n"
        "Soll die Berechnung fortgesetzt werden?";
    const std::string dolomite =
        "Das zu entsäuernde Wasser entspricht nicht den Empfehlungen nach DVGW W214.\n\r"
        "Abschnitt 3.2 - Kriterien zur Überprüfung der Anwendbarkeit - empfiehlt bei Filtration\n\r"
        "über halbgebrannten Dolomit, daß Ks4,3 + 2 Kb8,2 <= 2,5 mmol/l ist.\r\n\r\n"
        "Soll die Berechnung fortgesetzt werden?";
    WaterWindowData limits;
    limits.ks43 = 0.0011;
    limits.kb82 = 0.0002; // 1.5 mmol/l exactly, as typed
    limits.totals[0] = 0.00075;
    EXPECT_FALSE(applicabilityQuestion(DeacidificationMethod::CalciumCarbonate, limits));
    WaterWindowData above = limits;
    above.totals[0] = 0.00076;
    EXPECT_EQ(applicabilityQuestion(DeacidificationMethod::CalciumCarbonate, above).value().toStdString(),
              carbonate);
    above = limits;
    above.kb82 = 0.00021;
    EXPECT_TRUE(applicabilityQuestion(DeacidificationMethod::CalciumCarbonate, above));
    limits.ks43 = 0.0021; // 2.5 mmol/l
    EXPECT_FALSE(applicabilityQuestion(DeacidificationMethod::Dolomite, limits));
    limits.ks43 = 0.00211;
    EXPECT_EQ(applicabilityQuestion(DeacidificationMethod::Dolomite, limits).value().toStdString(), dolomite);
    for (DeacidificationMethod other : {DeacidificationMethod::Lime, DeacidificationMethod::CausticSoda,
                                        DeacidificationMethod::Magnesia, DeacidificationMethod::Aeration})
        EXPECT_FALSE(applicabilityQuestion(other, above));

    // The groundwater (KS(4,3) 4.35 mmol/l) asks; "No" calculates nothing.
    Questions no{{false}, {}};
    EXPECT_EQ(deacidify(test::evaluatedWater(), "0", DeacidificationMethod::CalciumCarbonate, -1, &no).step,
              Step::Ignored);
    EXPECT_EQ(no.asked, std::vector<std::string>{carbonate});
    Questions yes{{true}, {}};
    EXPECT_EQ(deacidify(test::evaluatedWater(), "0", DeacidificationMethod::Dolomite, -1, &yes).step,
              Step::Done);
    EXPECT_EQ(yes.asked, std::vector<std::string>{dolomite});
}

TEST(DeacidificationFormTest, ANonConvergedRunCanBeRepeatedWithAnotherInterval) {
    const WaterWindowData soft = test::softWater();
    EXPECT_EQ(deacidify(soft, "0", DeacidificationMethod::Lime, 0).step, Step::NotConverged);
    AnalysisHeader header = named();
    EXPECT_EQ(deacidify(soft, "0", DeacidificationMethod::Lime, -1, nullptr, &header).step, Step::Done);
    const QString remark = header.text(AnalysisHeader::Remark2);
    EXPECT_TRUE(remark.startsWith(QStringLiteral("Ents. mit Weißkalkhydrat Ca(OH)2, theor. Verbrauch: ")))
        << remark.toStdString();
}

// ---- Entcarbonisierung

FormResult decarbonise(const WaterWindowData& water, const char* residual,
                       DecarbonisationAgent agent = DecarbonisationAgent::Hcl, Questions* questions = nullptr,
                       AnalysisHeader* header = nullptr) {
    EngineState engine;
    Questions none;
    AnalysisHeader own = named();
    return runDecarbonisationForm(engine, water, header ? *header : own, QString::fromUtf8(residual), agent,
                                  (questions ? *questions : none).confirmation());
}

TEST(DecarbonisationFormTest, ChecksInTheirOrder) {
    const WaterWindowData water = test::evaluatedWater(); // c(HCO3-) 4.225 mmol/l
    EXPECT_EQ(hydrogencarbonateText(water).toStdString(), "4.225");
    const Outcome range = told("Bitte geben Sie einen Wert zwischen 0.3 und 4.225 ein!", Icon::Error, "RHin");
    EXPECT_EQ(outcomeOf(decarbonise(water, "1,,")), told("Bitte geben Sie einen gültigen Wert ein!"));
    AnalysisHeader blank = named(" ");
    EXPECT_EQ(outcomeOf(decarbonise(water, "1", DecarbonisationAgent::Hcl, nullptr, &blank)), missingName);
    for (const char* outside : {"", "0,3", "4,225", "4.3", "-1"})
        EXPECT_EQ(outcomeOf(decarbonise(water, outside)), range) << outside;
    EXPECT_EQ(outcomeOf(decarbonise(water, "0,31")), done);
}

TEST(DecarbonisationFormTest, TheMagnesiumQuestionsComeOnceAndNoCalculatesNothing) {
    const std::string first =
        "Eine Schnellentcarbonisierung ist nicht möglich, da Hydrogencarbonationen,\r\n"
        "die Magnesium zuzuordnen sind, umgesetzt werden müßten.\r\n"
        "Eine Überdosierung an Kalkmilch zur Korrektur der Reaktionszeit ist nicht enthalten!\r\n"
        "Soll die Berechnung fortgesetzt werden?";
    const std::string second =
        "Unter bestimmten Bedingungen kann bei der nun folgenden Berechnung durch die Reduzierung der "
        "Gesamtstoffmengenkonzentration an Magnesium c(Mg) der pH-Wert derart ansteigen, daß eine genaue "
        "Berechnung der Wasserzusammensetzung nicht mehr möglich ist!\r\n"
        "Soll die Berechnung dennoch fortgesetzt werden?";
    const WaterWindowData water = test::magnesiumWater();
    Questions noAtFirst{{false}, {}};
    EXPECT_EQ(outcomeOf(decarbonise(water, "1", DecarbonisationAgent::Lime, &noAtFirst)),
              (Outcome{Step::Ignored, "", Icon::Warning, ""}));
    EXPECT_EQ(noAtFirst.asked, std::vector<std::string>{first});
    Questions noAtSecond{{true, false}, {}};
    EXPECT_EQ(decarbonise(water, "1", DecarbonisationAgent::Lime, &noAtSecond).step, Step::Ignored);
    EXPECT_EQ(noAtSecond.asked, (std::vector<std::string>{first, second}));
    Questions yes{{true, true}, {}};
    AnalysisHeader header = named();
    EXPECT_EQ(decarbonise(water, "1", DecarbonisationAgent::Lime, &yes, &header).step, Step::Done);
    EXPECT_EQ(yes.asked, (std::vector<std::string>{first, second}));
    EXPECT_TRUE(header.text(AnalysisHeader::Remark2)
                    .startsWith(QStringLiteral("Entcarb. mit Ca(OH)2; theor. Zugabe: ")));
}

} // namespace
} // namespace velmora
