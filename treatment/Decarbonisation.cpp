#include "treatment/Decarbonisation.h"

#include "common/NumberText.h"
#include "engine/Calcite.h"
#include "engine/Constants.h"
#include "engine/Solver.h"
#include "engine/WaterState.h"

#include <cmath>

namespace velmora {

const char16_t* const magnesiumQuestions[2] = {
    u"Eine Schnellentcarbonisierung ist nicht möglich, da Hydrogencarbonationen,\r\n"
    u"die Magnesium zuzuordnen sind, umgesetzt werden müßten.\r\n"
    u"Eine Überdosierung an Kalkmilch zur Korrektur der Reaktionszeit ist nicht enthalten!\r\n"
    u"Soll die Berechnung fortgesetzt werden?",
    u"Unter bestimmten Bedingungen kann bei der nun folgenden Berechnung durch die Reduzierung der "
    u"Gesamtstoffmengenkonzentration an Magnesium c(Mg) der pH-Wert derart ansteigen, daß eine genaue "
    u"Berechnung der Wasserzusammensetzung nicht mehr möglich ist!\r\n"
    u"Soll die Berechnung dennoch fortgesetzt werden?",
};

namespace {

constexpr double stepDivisor = 50.0;              // a pass removes a fiftieth of what is left to remove
constexpr double stepOffset = 2e-7;               // mol/l, so that the last passes still move
constexpr double limeShare = 0.1;                 // of a step while the water dissolves lime
constexpr double lowestCarbon = 8e-5;             // mol/l of c(DIC) and of the m-value
constexpr double exhaustedMagnesium = 2.34521e-6; // mol/l of free magnesium
constexpr double firstAcidStep = 1e-4;            // mol/l
constexpr double acidStepShrink = 0.2;

DecarbonisationRun withLime(WaterState& w, double residual, const MagnesiumQuestion& goOn) {
    w.temp = w.tEval;
    computeConstants(w);
    DecarbonisationRun run;
    bool stop = false;
    bool allowed = false;
    bool cancelled = false;
    do {
        computeConditionalConstants(w);
        const double d = (w.hco3 - residual) / stepDivisor + stepOffset;
        if (w.si < 0.0) {
            w.caTotal += limeShare * d;
            w.mValue += 2.0 * limeShare * d;
            run.dose += limeShare * d;
        } else if (std::sqrt(w.ksp) < w.caFree) {
            w.caTotal -= d;
            w.mValue -= 2.0 * d;
            w.dic -= 2.0 * d;
            run.dose += d;
        } else {
            if (!allowed) {
                allowed = goOn();
                cancelled = !allowed;
            }
            // A step that would take more magnesium than is left counts as its end, too.
            if (w.mgFree <= exhaustedMagnesium || 0.5 * d > w.mgTotal) {
                stop = true;
            } else {
                w.mgTotal -= 0.5 * d;
                w.mValue -= d;
                w.dic -= d;
                run.dose += d;
            }
        }
        solvePh(w);
        computeSi(w);
        if (w.dic < lowestCarbon || w.mValue < lowestCarbon || residual > w.hco3)
            stop = true;
        ++run.passes;
    } while (!stop && run.passes < maxLimePasses && !cancelled);
    run.succeeded = run.passes < maxLimePasses && !cancelled;
    run.dose *= 1000.0;
    return run;
}

DecarbonisationRun withAcid(WaterState& w, DecarbonisationAgent agent, double residual) {
    w.temp = w.tEval;
    const WaterState start = w;
    // Hydrochloric acid brings one chloride, sulphuric acid half a sulphate per equivalent.
    const bool hcl = agent == DecarbonisationAgent::Hcl;
    double WaterState::*const total = hcl ? &WaterState::clTotal : &WaterState::so4Total;
    double WaterState::*const free = hcl ? &WaterState::clFree : &WaterState::so4Free;
    const double perEquivalent = hcl ? 1.0 : 0.5;
    const auto follow = [&] {
        w.*total = start.*total + perEquivalent * (start.mValue - w.mValue);
        w.*free = w.*total;
    };

    DecarbonisationRun run;
    double step = firstAcidStep;
    bool reached = false;
    do {
        w.mValue -= step;
        follow();
        solvePh(w);
        computeSi(w);
        reached = std::fabs(residual - w.hco3) < residualTolerance;
        // An overshoot is taken back, with the acid it brought, unless it already lies within the
        // tolerance: then the water that met it is the result.
        if (residual > w.hco3 && !reached) {
            w.mValue += step;
            follow();
            step *= acidStepShrink;
        }
        ++run.passes;
    } while (!reached && run.passes < maxAcidPasses);
    run.succeeded = true;
    run.dose = (w.*total - start.*total) * 1000.0;
    return run;
}

} // namespace

DecarbonisationRun decarbonise(WaterState& w, DecarbonisationAgent agent, double residual,
                               const MagnesiumQuestion& goOn) {
    const double rh = residual / 1000.0;
    return agent == DecarbonisationAgent::Lime ? withLime(w, rh, goOn) : withAcid(w, agent, rh);
}

QString decarbonisationRemark(DecarbonisationAgent agent, double dose) {
    static const char* const agents[] = {"Ca(OH)2", "HCl", "H2SO4"};
    return QStringLiteral("Entcarb. mit ") + QString::fromLatin1(agents[int(agent)]) +
           QStringLiteral("; theor. Zugabe: ") + formatNumber(dose).trimmed() + QStringLiteral(" mmol/l");
}

} // namespace velmora
