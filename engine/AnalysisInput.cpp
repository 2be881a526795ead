#include "engine/AnalysisInput.h"

#include "common/Units.h"
#include "engine/WaterState.h"

#include <stdexcept>
#include <string>

namespace velmora {

const std::array<InputMethod, 7> inputMethods{{
    {1, "pH-Wert und KS(4,3)", true, true, false, false, false},
    {2, "pH-Wert und KB(8,2)", true, false, true, false, false},
    {3, "KS(4,3) und KB(8,2)", false, true, true, false, false},
    {4, "c(DIC) und KS(4,3)", false, true, false, true, false},
    {5, "c(DIC) und KB(8,2)", false, false, true, true, false},
    {6, "pH-Wert und c(DIC)", true, false, false, true, false},
    {7, "m-Wert und c(DIC)", false, false, false, true, true},
}};

const InputMethod& inputMethod(int number) {
    if (number == 9)
        number = 7;
    if (number < 1 || number > int(inputMethods.size()))
        throw std::out_of_range("no input method " + std::to_string(number));
    return inputMethods[std::size_t(number - 1)];
}

void storeAnalysisInput(WaterState& w, const AnalysisInput& in, int method) {
    using namespace units;
    const InputMethod& takes = inputMethod(method);
    if (takes.takesPh)
        w.pHm = in.pHe;
    w.tPh = celsiusToKelvin(in.tpHe);
    if (takes.takesKs43)
        w.ks43 = mmolToMol(in.ks43);
    w.tKs = celsiusToKelvin(in.tKs43);
    if (takes.takesKb82)
        w.kb82 = mmolToMol(in.kb82);
    w.tKb = celsiusToKelvin(in.tKb82);
    if (takes.takesDic)
        w.dic = mmolToMol(in.dic);
    w.tEval = celsiusToKelvin(in.tb);
    if (takes.takesMValue)
        w.mValue = mmolToMol(in.mWert);
    w.k25 = in.k25;
    w.siTarget = 0.0;
    for (std::size_t ion = 0; ion < totalFields.size(); ++ion)
        w.*totalFields[ion] = mmolToMol(in.totals[ion]);
}

} // namespace velmora
