#pragma once

namespace velmora::units {

/// Dialogs and sheets show mmol/l and °C; the engine works in mol/l and K.
inline constexpr double kelvinOffset = 273.15; // K at 0 °C
inline constexpr double mmolPerMol = 1000.0;

constexpr double celsiusToKelvin(double celsius) {
    return celsius + kelvinOffset;
}
constexpr double kelvinToCelsius(double kelvin) {
    return kelvin - kelvinOffset;
}
constexpr double mmolToMol(double mmolPerLitre) {
    return mmolPerLitre / mmolPerMol;
}
constexpr double molToMmol(double molPerLitre) {
    return molPerLitre * mmolPerMol;
}

/// Molar masses in g/mol of the seven major ions, in the order Ca, Mg, Na, K, SO4, NO3, Cl.
inline constexpr double molarMasses[7] = {40.08, 24.31, 22.99, 39.1, 96.06, 62.07, 35.45};

} // namespace velmora::units
