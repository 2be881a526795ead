#pragma once

#include "filters/FilterRecords.h"

#include <gtest/gtest.h>

namespace velmora::test {

/// The header the sample designs carry.
inline AnalysisHeader filterHeader() {
    return AnalysisHeader(QStringLiteral("Werk Ost"), QStringLiteral("Jörg Maß"), QStringLiteral("10.12.26"),
                          QStringLiteral("Stufe 2"), QStringLiteral("Entwurf"));
}

/// Adsorption of 100 m³/h at B = 1.5 and v = 5 over five filters, as the dialog writes it.
inline CarbonFilterRecord carbonSample() {
    CarbonFilterRecord r;
    r.head.header = filterHeader();
    r.head.index = 0;
    const std::optional<CarbonFilterDesign> design = designCarbonFilter({0, 100.0, 1.5, 5.0, 5, 3.0});
    EXPECT_TRUE(design);
    r.design = *design;
    r.inputs.flow = 100.0;
    r.inputs.velocity = 5.0;
    r.inputs.ratio = 3.0;
    r.inputs.shownHeight = 3333.0;
    r.inputs.filters = 5;
    r.inputs.load = 1.5;
    return r;
}

/// The groundwater of 1 mg/l iron at pH 7, 100 m³/h over four circular pressure filters at vc = 15.33 m/h.
inline IronFilterRecord ironSample() {
    IronFilterRecord r;
    r.head.header = filterHeader();
    r.head.index = 1;
    IronFilterRecord::Design& d = r.design;
    d.water = {1.0, 7.0, 8.0, 1.0, 10.0, 1.5};
    const std::optional<IronVelocity> velocity = ironVelocity(d.water);
    EXPECT_TRUE(velocity);
    d.velocity = *velocity;
    d.chosenVelocity = 15.33;
    const std::optional<IronFilterSize> size = dimensionIronFilter(100.0, 15.33, 2500.0, 4, 3.0);
    EXPECT_TRUE(size);
    d.size = *size;
    d.filters = d.splitFilters = 4;
    d.share = 100.0 / 3.0;
    d.pressureFilter = 1;
    d.rectangle = 0;
    r.inputs = {1.0, 8.0, 7.0, 10.0, 0, 4, 1.0, 1.5, 15.33, 3.0, 0.0, 100.0};
    return r;
}

/// Direct filtration of 200 m³/h in four single-layer pressure filters at 15 m/h over 2000 mm.
inline SandFilterRecord sandSample() {
    SandFilterRecord r;
    r.head.header = filterHeader();
    r.head.index = 0;
    r.flow = 200.0;
    r.velocity = 15.0;
    r.filters = 4;
    r.height = 2000.0;
    r.pressureFilter = 1;
    r.multiLayer = 0;
    r.area = 4.44;
    r.shellHeight = 3000.0;
    r.diameter = 2379.0;
    r.roundedDiameter = 2400.0;
    return r;
}

} // namespace velmora::test
