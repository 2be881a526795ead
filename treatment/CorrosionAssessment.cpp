#include "treatment/CorrosionAssessment.h"

#include "common/NumberText.h"
#include "treatment/CorrosionRecord.h"

#include <cmath>

namespace velmora {

namespace {

// Ratios with a divisor of 0 take this value instead.
constexpr double zeroDivisorRatio = 9999999;

// The values are stored in display units, converted from the engine's: a value typed as the limit may
// lie a rounding error beside it, and must still count as equal to it.
bool atLeast(double value, double limit) {
    return value >= limit - 1e-9 * std::fabs(limit);
}
bool atMost(double value, double limit) {
    return value <= limit + 1e-9 * std::fabs(limit);
}

double ratio(double numerator, double divisor) {
    return divisor == 0.0 ? zeroDivisorRatio : numerator / divisor;
}

QString n(double value) {
    return formatNumber(value);
}

QString de(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

std::array<QString, corrosionTextCount> corrosionTexts(const CorrosionRecord& r) {
    const ShownInputs& in = r.inputs;
    const double o2 = r.o2Mass;
    const double r1 = ratio(2.0 * r.so4Free + in.totals[6], in.ks43);
    const double r2 = ratio(2.0 * r.so4Free + in.totals[6], in.totals[5]);
    const double r3 = ratio(r.hco3, r.so4Free);
    const bool lowOxygen = atMost(o2, 0.1);
    const QString oxygen = QStringLiteral("rho(O2) = ") + n(o2) + QStringLiteral(" mg/l");
    const QString ks = QStringLiteral("Ks(4,3) = ") + n(in.ks43);
    const QString tKs = n(in.tKs) + QStringLiteral(" °C");
    const QString calcium = QStringLiteral("c(Ca2+) = ") + n(r.caFree) + QStringLiteral(" mmol/l");
    const QString chlorideSulphate = de("[c(Cl-) + c(1/2 SO4--)] / Ks(4,3) = ") + n(r1);
    const QString r1Text = !atMost(r1, 1.0) ? chlorideSulphate + de(" ==> größer 1") : chlorideSulphate;

    std::array<QString, corrosionTextCount> t;
    t[0] = de("Un- und niedriglegierte Eisenwerkstoffe");
    t[1] = de("Beurteilung der gleichmäßigen Flächenkorrosion:");
    const bool enoughOxygen = atLeast(o2, 3.0);
    t[2] = enoughOxygen ? oxygen : oxygen + QStringLiteral(" ==> rho(O2) < 3 mg/l");
    const bool neutral = atLeast(r.pHAtTb, 7.0);
    t[3] = QStringLiteral("pH-Wert = ") + n(r.pHAtTb) + QStringLiteral(" bei tb = ") + n(in.tEval) +
           (neutral ? QStringLiteral(" °C") : QStringLiteral(" °C ==> pH < 7"));
    const bool ironCapacity = atLeast(in.ks43, 2.0);
    t[4] = ks + QStringLiteral(" mmol/l bei tKs(4,3) = ") + tKs +
           (ironCapacity ? QString() : QStringLiteral(" ==> Ks(4,3) < 2 mmol/l"));
    const bool enoughCalcium = atLeast(r.caFree, 0.5);
    t[5] = enoughCalcium ? calcium : calcium + QStringLiteral(" ==> c(Ca2+) < 0.5 mmol/l");
    t[6] = de("Unter Berücksichtigung der oben aufgeführten Parameter");
    t[7] = enoughOxygen && neutral && ironCapacity && enoughCalcium
               ? de("kann sich die Kalk-Rostschutzschicht ausbilden.")
               : de("ist die Ausbildung der Kalk-Rostschutzschicht gefährdet.");
    t[8] = de("Beurteilung der Mulden- und Lochkorrosion:");
    t[9] = r1Text;
    t[10] = lowOxygen ? oxygen : oxygen + QStringLiteral(" ==> rho(O2) > 0.1 mg/l");
    t[11] = lowOxygen ? de("Die örtliche Korrosion wird verhindert.")
                      : de("Die örtliche Korrosion wird begünstigt.");

    t[12] = de("Feuerverzinkte Eisenwerkstoffe");
    t[13] = de("Beurteilung der gleichmäßigen Flächenkorrosion:");
    const bool zincCapacity = atLeast(in.ks43, 1.0);
    t[14] = ks + QStringLiteral(" mmol/l  bei tKs(4,3) = ") + tKs +
            (zincCapacity ? QString() : QStringLiteral(" ==> Ks(4,3) < 1 mmol/l"));
    const bool lowBaseCapacity = atMost(in.kb82, 0.7);
    t[15] = QStringLiteral("Kb(8,2) = ") + n(in.kb82) + QStringLiteral(" mmol/l  bei tKb(8,2) = ") +
            n(in.tKb) +
            (lowBaseCapacity ? QStringLiteral(" °C") : QStringLiteral(" °C ==> Kb(8,2) > 0.7 mmol/l"));
    t[16] = de("Unter Berücksichtigung der oben aufgeführten Parameter");
    t[17] = zincCapacity && lowBaseCapacity ? de("kann sich die Schutzschicht ausbilden.")
                                            : de("ist die Ausbildung der Schutzschicht gefährdet.");
    t[18] = de("Beurteilung der Mulden-, Loch- und selektiven Korrosion:");
    t[19] = ks + QStringLiteral(" mmol/l  bei tKs(4,3) = ") + tKs +
            (ironCapacity ? QString() : QStringLiteral(" ==> Ks(4,3) < 2"));
    t[20] = r1Text;
    t[21] = enoughCalcium ? calcium : calcium + QStringLiteral(" ==> cCa < 0.5");
    t[22] = lowOxygen ? oxygen : oxygen + QStringLiteral(" ==> rho(O2) > 0.1");
    t[23] = lowOxygen ? de("Schäden durch Muldenkorrosion sind nicht zu erwarten.")
                      : de("Schäden durch Muldenkorrosion sind möglich.");
    const bool nitrateRatio = atLeast(r2, 2.0);
    const QString r2Text = de("[c(Cl-) + c(1/2 SO4--)] / c(NO3-) = ") + n(r2);
    t[24] = nitrateRatio ? r2Text : r2Text + QStringLiteral(" ==> kleiner 2");
    t[25] = nitrateRatio ? de("Schäden durch selektive Korrosion sind nicht zu erwarten.")
                         : de("Schäden durch selektive Korrosion sind möglich.");

    t[26] = de("Kupfer und Kupferlegierungen");
    t[27] = de("Beurteilung der Lochkorrosion:");
    const bool copperRatio = atLeast(r3, 2.0);
    const QString r3Text = QStringLiteral("c(HCO3-) / c(SO4--) = ") + n(r3);
    t[28] = copperRatio ? r3Text : r3Text + QStringLiteral(" ==> kleiner 2");
    t[29] = lowOxygen ? oxygen : oxygen + QStringLiteral(" ==> 0.1 mg/l");
    t[30] = lowOxygen || copperRatio ? de("Schäden durch Lochkorrosion sind nicht zu erwarten.")
                                     : de("Schäden durch Lochkorrosion sind möglich.");
    t[31] = de("Möglicherweise im Wasser enthaltene Inhibitoren wurden nicht berücksichtigt!");
    return t;
}

} // namespace velmora
