#pragma once

namespace velmora {

/// An ion-exchange column for an exchanger volume: a bed of 1.5 m, the diameter rounded up to the next
/// 0.1 m, widened to a filter velocity of at most 40 m/h.
struct Column {
    double diameter = 0; ///< D, m
    double area = 0;     ///< A, m²
    double velocity = 0; ///< v, m/h
    double height = 0;   ///< H, m
    double height2 = 0;  ///< H2: twice H, rounded to 0.1 m
};

Column designColumn(double exchangerVolume, double flow);

/// What both ion-exchange designs compute for one run: the water and the ions it brings, the usable
/// capacity, the exchanger and the column.
struct Exchanger {
    double water = 0;           ///< Vw, m³ per run
    double load = 0;            ///< n, mol per run
    double capacity = 0;        ///< mol/l
    double exchangerVolume = 0; ///< VR, m³
    double specificFlow = 0;    ///< SV, 1/h
    Column column;
};

/// The H-decarbonisation design: the design record c0 to H2.
struct HDecarbonisationDesign : Exchanger {
    double c0 = 0;   ///< c(HCO3-), mol/l
    double flow = 0; ///< Q, m³/h
    double time = 0; ///< service run time t, h
    double x = 0;    ///< c0 SV, mol/(l h)
};

/// Designs for c0 (mol/l; at most 1e-7 is taken as 1.91 mmol/l), Q and t: the capacity by fixed-point
/// iteration (at most 255 evaluations), then the column. Optimised, t grows by whole hours while SV > 30
/// 1/h and Q falls by 5 % while D > 3.6 m. Throws EngineError on an arithmetic fault, and when the
/// optimisation does not meet its limits in 100,000 steps.
HDecarbonisationDesign designHDecarbonisation(double c0, double flow, double time, bool optimised);

/// The softening design; item 8 of the design record is unused.
struct SofteningDesign : Exchanger {
    double hardness = 0; ///< cH = c(1/2Ca+1/2Mg), mol/l
    double flow = 0;     ///< m³/h
    double time = 0;     ///< h
    double sodium = 0;   ///< cNa, mmol/l, limited to 2.1 ... 50
    double residual = 0; ///< r, mmol/l, adjusted until G lies in 100 ... 300
    double level = 0;    ///< G
};

/// Designs for the hardness (mmol/l; at most 1e-4 is taken as 6 mmol/l), Q, t, the residual hardness and
/// the sodium (mmol/l; outside (1e-7, 100) taken as 2.1): the residual hardness moves by 1 % until G lies
/// in 100 to 300, then t grows by 0.1 h while SV > 40 1/h and Q falls by 2 % while D > 3.6 m. Throws
/// EngineError on an arithmetic fault (a flow, time or residual hardness of 0), and when an adjustment does
/// not end in 1,000,000 steps.
SofteningDesign designSoftening(double hardness, double flow, double time, double residual, double sodium);

} // namespace velmora
