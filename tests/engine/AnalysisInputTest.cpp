#include "engine/AnalysisInput.h"

#include "engine/WaterState.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

const AnalysisInput input{7.2, 12, 3.1, 13, 0.06, 14, 2.5, 2.4, 10, 300, {1, 2, 3, 4, 5, 6, 7}};

constexpr double unset = -99.0;

WaterState previousRun() {
    WaterState w{};
    w.pHm = w.ks43 = w.kb82 = w.dic = w.mValue = unset;
    w.siTarget = 0.7;
    return w;
}

} // namespace

TEST(AnalysisInput, StoresOnlyTheQuantitiesTheMethodTakes) {
    for (const InputMethod& method : inputMethods) {
        WaterState w = previousRun();
        storeAnalysisInput(w, input, method.number);
        SCOPED_TRACE(std::string(method.text));
        EXPECT_EQ(w.pHm, method.takesPh ? 7.2 : unset);
        EXPECT_EQ(w.ks43, method.takesKs43 ? 3.1 / 1000 : unset);
        EXPECT_EQ(w.kb82, method.takesKb82 ? 0.06 / 1000 : unset);
        EXPECT_EQ(w.dic, method.takesDic ? 2.5 / 1000 : unset);
        EXPECT_EQ(w.mValue, method.takesMValue ? 2.4 / 1000 : unset);
        EXPECT_EQ(w.tPh, 12 + 273.15);
        EXPECT_EQ(w.tKs, 13 + 273.15);
        EXPECT_EQ(w.tKb, 14 + 273.15);
        EXPECT_EQ(w.tEval, 10 + 273.15);
        EXPECT_EQ(w.k25, 300);
        EXPECT_EQ(w.siTarget, 0.0);
        EXPECT_EQ(w.caTotal, 1 / 1000.0);
        EXPECT_EQ(w.clTotal, 7 / 1000.0);
    }
}

TEST(AnalysisInput, EachMethodTakesTwoCarbonateQuantities) {
    for (const InputMethod& method : inputMethods) {
        const int taken =
            method.takesPh + method.takesKs43 + method.takesKb82 + method.takesDic + method.takesMValue;
        EXPECT_EQ(taken, 2) << method.text;
    }
    EXPECT_EQ(&inputMethod(9), &inputMethod(7));
    EXPECT_THROW(inputMethod(0), std::out_of_range);
    EXPECT_THROW(inputMethod(8), std::out_of_range);
}
