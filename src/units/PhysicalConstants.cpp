#include "units/PhysicalConstants.h"

#include <array>
#include <cassert>

#include "units/InsertionFormat.h"

namespace quorvix {
namespace {

// name, unit, value: the CODATA 2018 recommended values. Those that the SI
// fixes (c, h, e, k, N_A) are exact, and so are the ones derived from them
// alone (Faraday constant N_A e, gas constant N_A k, molar volume R T / p,
// Stefan-Boltzmann constant), given here to 17 digits where CODATA's table
// truncates them. Signs are CODATA's: the electron's charge-to-mass ratio and
// the electron, muon and neutron magnetic moments are negative. The unit
// catalogue's dalton, electron volt and faraday use the same values.
constexpr std::array<ConstantRecord, kPhysicalConstantCount> kConstants{{
    {"Alpha particle mass", "kg", 6.6446573357E-27},  // 0
    {"Atomic mass constant", "kg", 1.66053906660E-27},  // 1
    {"Avogadro constant", "1/mol", 6.02214076E+23},  // 2
    {"Bohr magneton", "J/T", 9.2740100783E-24},  // 3
    {"Bohr radius", "m", 5.29177210903E-11},  // 4
    {"Boltzmann constant", "J/K", 1.380649E-23},  // 5
    {"Compton wavelength", "m", 2.42631023867E-12},  // 6: the electron's
    {"Electron charge-to-mass ratio", "C/kg", -1.75882001076E+11},  // 7
    {"Electron Compton wavelength", "m", 2.42631023867E-12},  // 8
    {"Electron magnetic moment", "J/T", -9.2847647043E-24},  // 9
    {"Electron mass", "kg", 9.1093837015E-31},  // 10
    {"Elementary charge", "C", 1.602176634E-19},  // 11
    {"Faraday constant", "C/mol", 96485.332123310018},  // 12
    {"Fermi coupling constant", "GeV^-2", 1.1663787E-05},  // 13
    {"Gravitational constant", "m^3/s^2*kg", 6.67430E-11},  // 14
    {"Molar volume of ideal gas at STP", "m^3/mol", 0.022413969545014138},  // 15: 273.15 K, 101.325 kPa
    {"Muon mass", "kg", 1.883531627E-28},  // 16
    {"Muon Compton wavelength", "m", 1.173444110E-14},  // 17
    {"Muon magnetic moment", "J/T", -4.49044830E-26},  // 18
    {"Neutron Compton wavelength", "m", 1.31959090581E-15},  // 19
    {"Neutron mass", "kg", 1.67492749804E-27},  // 20
    {"Neutron magnetic moment", "J/T", -9.6623651E-27},  // 21
    {"Nuclear magneton", "J/T", 5.0507837461E-27},  // 22
    {"Permeability constant", "H/m", 1.25663706212E-06},  // 23
    {"Permittivity constant", "F/m", 8.8541878128E-12},  // 24
    {"Planck constant", "J*s", 6.62607015E-34},  // 25
    {"Proton Compton wavelength", "m", 1.32140985539E-15},  // 26
    {"Proton magnetic moment", "J/T", 1.41060679736E-26},  // 27
    {"Proton mass", "kg", 1.67262192369E-27},  // 28
    {"Rydberg constant", "1/m", 10973731.568160},  // 29
    {"Speed of light in vacuum", "m/s", 299792458.0},  // 30
    {"Stefan-Boltzmann constant", "W/m^2*K^4", 5.6703744191844295E-08},  // 31
    {"Tau mass", "kg", 3.16754E-27},  // 32
    {"Tau compton wavelength", "m", 6.97771E-16},  // 33
    {"Universal gas constant", "J/mol*K", 8.31446261815324},  // 34
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
