#include "units/PhysicalConstants.h"

#include <array>
#include <cassert>

#include "units/InsertionFormat.h"

namespace quorvix {
namespace {

// name, unit, value. Each value prints back as written under the
// insertion format's 15 significant digits.
constexpr std::array<ConstantRecord, kPhysicalConstantCount> kConstants{{
    {"Alpha particle mass", "kg", 6.64465598E-27},  // 0
    {"Atomic mass constant", "kg", 1.66053873E-27},  // 1
    {"Avogadro constant", "1/mol", 6.02214199E+23},  // 2
    {"Bohr magneton", "J/T", 9.27400899E-24},  // 3
    {"Bohr radius", "m", 5.291772083E-11},  // 4
    {"Boltzmann constant", "J/K", 1.3806503E-23},  // 5
    {"Compton wavelength", "m", 2.426310215E-12},  // 6
    {"Electron charge-to-mass ratio", "C/kg", 175881961000.0},  // 7
    {"Electron Compton wavelength", "m", 2.42631058E-12},  // 8
    {"Electron magnetic moment", "J/T", 9.28476362E-24},  // 9
    {"Electron mass", "kg", 9.10938188E-31},  // 10
    {"Elementary charge", "C", 1.602176462E-19},  // 11
    {"Faraday constant", "C/mol", 96485.3415},  // 12
    {"Fermi coupling constant", "GeV^-2", 1.16639E-05},  // 13
    {"Gravitational constant", "m^3/s^2*kg", 6.6726E-11},  // 14
    {"Molar volume of ideal gas at STP", "m^3/mol", 0.022413996},  // 15
    {"Muon mass", "kg", 1.88353109E-28},  // 16
    {"Muon Compton wavelength", "m", 1.173444197E-14},  // 17
    {"Muon magnetic moment", "J/T", -4.49044813E-26},  // 18
    {"Neutron Compton wavelength", "m", 1.319590898E-15},  // 19
    {"Neutron mass", "kg", 1.67492716E-27},  // 20
    {"Neutron magnetic moment", "J/T", -9.662364E-27},  // 21
    {"Nuclear magneton", "J/T", 5.05078317E-27},  // 22
    {"Permeability constant", "H/m", 1.25663706143E-06},  // 23
    {"Permittivity constant", "F/m", 8.85418781762E-12},  // 24
    {"Planck constant", "J*s", 6.62606876E-34},  // 25
    {"Proton Compton wavelength", "m", 1.321409847E-15},  // 26
    {"Proton magnetic moment", "J/T", 1.410606633E-26},  // 27
    {"Proton mass", "kg", 1.67262158E-27},  // 28
    {"Rydberg constant", "1/m", 10973731.568549},  // 29
    {"Speed of light in vacuum", "m/s", 299792458.0},  // 30
    {"Stefan-Boltzmann constant", "W/m^2*K^4", 5.6704E-08},  // 31
    {"Tau mass", "kg", 3.16788E-27},  // 32
    {"Tau compton wavelength", "m", 6.977E-16},  // 33
    {"Universal gas constant", "J/mol*K", 8.314472},  // 34
}};

}  // namespace

const ConstantRecord& PhysicalConstantAt(int k) {
    assert(k >= 0 && k < kPhysicalConstantCount);
    return kConstants[static_cast<std::size_t>(k)];
}

std::string PhysicalConstantCaption(int k) {
    const ConstantRecord& row = PhysicalConstantAt(k);
    std::string caption(row.name);
    caption += " (";
    caption += row.unit;
    caption += ')';
    return caption;
}

std::string PhysicalConstantInsertText(int k) {
    return FormatInsertionValue(PhysicalConstantAt(k).value);
}

}  // namespace quorvix
