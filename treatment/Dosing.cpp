#include "treatment/Dosing.h"

#include "common/NumberText.h"
#include "engine/Calcite.h"
#include "engine/Solver.h"
#include "engine/WaterState.h"

#include <array>
#include <cmath>

namespace velmora {

namespace {

constexpr double firstStep = 0.3;     // relative change of the m-value (CO2: of c(DIC)) at the start
constexpr double stepReversal = -0.3; // applied when the pH moves away from the target
constexpr double stepOffset = 1e-4;   // mol/l, so that a quantity near 0 still moves
constexpr double mlPerLitre = 1000.0; // a dose of n mol/l of a cx mol/l solution is n / cx * 1000 ml/l

// The totals a chemical changes: the ion it brings (with its free value, where the dosing sets it) and
// how much of it one equivalent of m-value change brings.
struct ChemicalEffect {
    double WaterState::*total;
    double WaterState::*free; ///< nullptr: the free value is left to the speciation
    double perEquivalent;
};

ChemicalEffect effectOf(Chemical chemical) {
    switch (chemical) {
    case Chemical::Hcl:
        return {&WaterState::clTotal, &WaterState::clFree, -1.0};
    case Chemical::H2so4:
        return {&WaterState::so4Total, nullptr, -0.5};
    case Chemical::Co2:
        return {&WaterState::dic, nullptr, 0.0};
    case Chemical::Naoh:
        return {&WaterState::naTotal, &WaterState::naFree, 1.0};
    case Chemical::Koh:
        return {&WaterState::kTotal, &WaterState::kFree, 1.0};
    case Chemical::CaOh2:
        return {&WaterState::caTotal, nullptr, 0.5};
    }
    return {};
}

} // namespace

DoseToPh doseToPh(WaterState& w, Chemical chemical, double cx, double targetPh) {
    w.temp = w.tEval;
    const double m0 = w.mValue;
    const ChemicalEffect effect = effectOf(chemical);
    const double start = w.*effect.total;
    double step = firstStep;
    solvePh(w);

    DoseToPh run;
    do {
        ++run.passes;
        const double previousPh = w.pH;
        if (chemical == Chemical::Co2) {
            w.dic = w.dic * (1.0 + step) + step * stepOffset;
        } else {
            w.mValue = w.mValue * (1.0 - step) - step * stepOffset;
            w.*effect.total = start + effect.perEquivalent * (w.mValue - m0);
            if (effect.free)
                w.*effect.free = w.*effect.total;
        }
        solvePh(w);
        computeSi(w);
        if ((w.pH < targetPh && w.pH < previousPh) || (w.pH > targetPh && w.pH > previousPh))
            step *= stepReversal;
    } while (std::fabs(w.pH - targetPh) >= dosingPhTolerance && run.passes < maxDosingPasses);

    if (run.passes >= maxDosingPasses)
        return run;
    const double added = w.*effect.total - start;
    run.dose = chemical == Chemical::Co2 ? added * mlPerLitre : added / cx * mlPerLitre;
    return run;
}

void doseAmount(WaterState& w, Chemical chemical, double amount, double cx) {
    if (chemical == Chemical::Co2) {
        w.dic += amount / 1000.0; // entered as mmol/l
        return;
    }
    // Equivalents per litre: sulphuric acid and lime bring two per mole.
    const bool twoPerMole = chemical == Chemical::H2so4 || chemical == Chemical::CaOh2;
    const double n = amount * cx / (twoPerMole ? 500.0 : 1000.0);
    const double mChange = isAcid(chemical) ? -n : n;
    const ChemicalEffect effect = effectOf(chemical);
    w.mValue += mChange;
    w.*effect.total += effect.perEquivalent * mChange;
}

QString doseText(Chemical chemical, bool toPh, double x, const QString& concentration) {
    static constexpr std::array<const char*, chemicalCount> names{"HCl",  "H2SO4", "CO2",
                                                                  "NaOH", "KOH",   "Ca(OH)2"};
    const QString name = QString::fromLatin1(names[std::size_t(chemical)]);
    const QString dose = formatNumber(x);
    if (chemical == Chemical::Co2)
        return dose + QStringLiteral(" mmol/l CO2-Zugabe");
    if (!toPh)
        return QStringLiteral("%1 ml/l %2-Zugabe mit c(%2)=%3 mol/l").arg(dose, name, concentration);
    // The lime text of this mode has a blank after "=".
    const QString equals = chemical == Chemical::CaOh2 ? QStringLiteral(" = ") : QStringLiteral(" =");
    return QStringLiteral("%1 ml %2-Zugabe mit c(%2)%3%4 mol/l").arg(dose, name, equals, concentration);
}

} // namespace velmora
