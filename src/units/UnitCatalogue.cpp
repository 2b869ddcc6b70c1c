#include "units/UnitCatalogue.h"

#include <array>
#include <cassert>

namespace quorvix {
namespace {

// name, base, factor: 1 name = factor base.
constexpr std::array<CatalogueRow, kCatalogueRowCount> kCatalogue{{
    // Length
    {"km", "m", 1000.0},  // 0
    {"hm", "m", 100.0},  // 1
    {"dam", "m", 10.0},  // 2
    {"dm", "m", 0.1},  // 3
    {"cm", "m", 0.01},  // 4
    {"mm", "m", 0.001},  // 5
    {"micrometer", "m", 1e-6},  // 6
    {"nm", "m", 1e-9},  // 7
    {"pm", "m", 1e-12},  // 8
    {"fm", "m", 1e-15},  // 9
    {"in", "cm", 2.54},  // 10
    {"mi", "yd", 1760.0},  // 11
    {"yd", "ft", 3.0},  // 12
    {"ft", "in", 12.0},  // 13
    {"in", "microinch", 1000000.0},  // 14
    {"furlong", "rod", 40.0},  // 15
    {"furlong", "chain", 10.0},  // 16
    {"rod", "yard", 5.5},  // 17
    {"fathom", "ft", 6.0},  // 18
    {"mil", "in", 0.001},  // 19
    {"barleycorn", "m", 0.008466666666666667},  // 20: 1/3 in
    {"hand", "m", 0.1016},  // 21: 4 in
    {"link", "m", 0.201168},  // 22
    {"nautical mile", "m", 1852.0},  // 23
    {"astronomical unit", "m", 149597870700.0},  // 24: exact (IAU 2012)
    {"astronomical unit", "AU", 1.0},  // 25
    {"angstrom", "m", 1e-10},  // 26
    {"fermi", "m", 1e-15},  // 27
    {"light year", "km", 9460730472580.8},  // 28: Julian year x c
    {"parsec", "km", 30856775814913.67},  // 29: 648000/pi au
    {"meter", "m", 1.0},  // 30
    {"kilometer", "km", 1.0},  // 31
    {"hectometer", "hm", 1.0},  // 32
    {"dekameter", "dam", 1.0},  // 33
    {"decameter", "dam", 1.0},  // 34
    {"decimeter", "dm", 1.0},  // 35
    {"centimeter", "cm", 1.0},  // 36
    {"millimeter", "mm", 1.0},  // 37
    {"micrometer", "micron", 1.0},  // 38
    {"nanometer", "nm", 1.0},  // 39
    {"picometer", "pm", 1.0},  // 40
    {"femtometer", "fm", 1.0},  // 41
    {"femtometer", "fermi", 1.0},  // 42
    {"inch", "in", 1.0},  // 43
    {"inches", "in", 1.0},  // 44
    {"foot", "ft", 1.0},  // 45
    {"feet", "ft", 1.0},  // 46
    {"yard", "yd", 1.0},  // 47
    {"mile", "mi", 1.0},  // 48
    {"perch", "rod", 1.0},  // 49
    {"pole", "rod", 1.0},  // 50
    {"nautical mile", "n mile", 1.0},  // 51
    // Area
    {"km2", "m2", 1000000.0},  // 52
    {"cm2", "m2", 0.0001},  // 53
    {"mm2", "m2", 1e-6},  // 54
    {"in2", "cm2", 6.4516},  // 55
    {"township", "section", 36.0},  // 56
    {"section", "mi2", 1.0},  // 57
    {"mi2", "yd2", 3097600.0},  // 58
    {"yd2", "ft2", 9.0},  // 59
    {"ft2", "in2", 144.0},  // 60
    {"acre", "ft2", 43560.0},  // 61
    {"are", "m2", 100.0},  // 62
    {"hectare", "m2", 10000.0},  // 63
    {"barn", "m2", 1e-28},  // 64
    {"circular mil", "m2", 5.067074790974977e-10},  // 65: pi/4 mil^2
    {"circular inch", "m2", 0.0005067074790974978},  // 66: pi/4 in^2
    {"rood", "m2", 1011.7141056},  // 67
    {"square kilometer", "km2", 1.0},  // 68
    {"square centimeter", "cm2", 1.0},  // 69
    {"square millimeter", "mm2", 1.0},  // 70
    {"square meter", "m2", 1.0},  // 71
    {"square inch", "in2", 1.0},  // 72
    {"square foot", "ft2", 1.0},  // 73
    {"square yard", "yd2", 1.0},  // 74
    {"square mile", "mi2", 1.0},  // 75
    // Volume
    {"km3", "m3", 1000000000.0},  // 76
    {"m3", "l", 1000.0},  // 77
    {"m3", "cm3", 1000000.0},  // 78
    {"m3", "mm3", 1000000000.0},  // 79
    {"l", "kl", 0.001},  // 80
    {"l", "dl", 10.0},  // 81
    {"l", "cl", 100.0},  // 82
    {"l", "ml", 1000.0},  // 83
    {"l", "microliter", 1000000.0},  // 84
    {"l", "nl", 1000000000.0},  // 85
    {"gallon", "l", 3.785411784},  // 86
    {"dry gallon", "l", 4.40488377086},  // 87
    {"UK gallon", "l", 4.54609},  // 88
    {"in3", "cm3", 16.387064},  // 89
    {"yd3", "ft3", 27.0},  // 90
    {"ft3", "in3", 1728.0},  // 91
    {"gallon", "quart", 4.0},  // 92
    {"quart", "pint", 2.0},  // 93
    {"pint", "gill", 4.0},  // 94
    {"gill", "fluid ounce", 4.0},  // 95
    {"UK gallon", "UK quart", 4.0},  // 96
    {"UK quart", "UK pint", 2.0},  // 97
    {"UK pint", "UK gill", 4.0},  // 98
    {"UK gill", "UK fluid ounce", 5.0},  // 99
    {"cup", "fluid ounce", 8.0},  // 100
    {"fluid ounce", "tablespoon", 2.0},  // 101
    {"tablespoon", "teaspoon", 3.0},  // 102
    {"cord", "ft3", 128.0},  // 103
    {"barrel", "gallon", 42.0},  // 104
    {"dry gallon", "dry quart", 4.0},  // 105
    {"dry quart", "dry pint", 2.0},  // 106
    {"bushel", "peck", 4.0},  // 107
    {"peck", "dry quart", 8.0},  // 108
    {"liter", "l", 1.0},  // 109
    {"kiloliter", "kl", 1.0},  // 110
    {"deciliter", "dl", 1.0},  // 111
    {"centiliter", "cl", 1.0},  // 112
    {"milliliter", "ml", 1.0},  // 113
    {"nanoliter", "nl", 1.0},  // 114
    {"cubic kilometer", "km3", 1.0},  // 115
    {"cubic meter", "m3", 1.0},  // 116
    {"cubic centimeter", "cm3", 1.0},  // 117
    {"cubic millimeter", "mm3", 1.0},  // 118
    {"cubic yard", "yd3", 1.0},  // 119
    {"cubic foot", "ft3", 1.0},  // 120
    {"cubic inch", "in3", 1.0},  // 121
    {"gallon", "gal", 1.0},  // 122
    // Mass
    {"kg", "g", 1000.0},  // 123
    {"kg", "mg", 1000000.0},  // 124
    {"kg", "microgram", 1000000000.0},  // 125
    {"kg", "ng", 1000000000000.0},  // 126
    {"slug", "kg", 14.593902937206364},  // 127: 1 lbf s^2/ft
    {"kg", "amu", 6.022140762081123e26},  // 128: 1 / dalton (CODATA 2018)
    {"kg", "metric ton", 0.001},  // 129
    {"carat", "kg", 0.0002},  // 130
    {"lb", "kg", 0.45359237},  // 131
    {"troy ounce", "kg", 0.0311034768},  // 132
    {"ton", "cwt", 20.0},  // 133
    {"cwt", "lb", 100.0},  // 134
    {"lb", "oz", 16.0},  // 135
    {"oz", "grain", 437.5},  // 136
    {"stone", "lb", 14.0},  // 137
    {"UK ton", "UK cwt", 20.0},  // 138
    {"UK cwt", "lb", 112.0},  // 139
    {"gram", "g", 1.0},  // 140
    {"kilogram", "kg", 1.0},  // 141
    {"milligram", "mg", 1.0},  // 142
    {"nanogram", "ng", 1.0},  // 143
    {"atomic mass unit", "amu", 1.0},  // 144
    {"dalton", "amu", 1.0},  // 145
    {"ounce", "oz", 1.0},  // 146
    {"lbs", "lb", 1.0},  // 147
    {"pound", "lb", 1.0},  // 148
    {"hundredweight", "cwt", 1.0},  // 149
    {"short hundredweight", "cwt", 1.0},  // 150
    {"UK hundredweight", "UK cwt", 1.0},  // 151
    {"long hundredweight", "UK cwt", 1.0},  // 152
    {"metric ton", "tonne", 1.0},  // 153
    {"short ton", "ton", 1.0},  // 154
    {"long ton", "UK ton", 1.0},  // 155
    // Time
    {"y", "d", 365.25},  // 156
    {"d", "h", 24.0},  // 157
    {"h", "min", 60.0},  // 158
    {"min", "s", 60.0},  // 159
    {"s", "ms", 1000.0},  // 160
    {"s", "ns", 1000000000.0},  // 161
    {"year", "y", 1.0},  // 162
    {"day", "d", 1.0},  // 163
    {"hour", "h", 1.0},  // 164
    {"minute", "min", 1.0},  // 165
    {"second", "sec", 1.0},  // 166
    {"sec", "s", 1.0},  // 167
    {"millisecond", "ms", 1.0},  // 168
    {"nanosecond", "ns", 1.0},  // 169
    // Temperature differences (no offset)
    {"degC", "degK", 1.0},  // 170
    {"degC", "degF", 1.8},  // 171
    {"degR", "degF", 1.0},  // 172
    {"degree C", "degC", 1.0},  // 173
    {"degree K", "degK", 1.0},  // 174
    {"degree R", "degR", 1.0},  // 175
    // Force
    {"kN", "N", 1000.0},  // 176
    {"N", "dyne", 100000.0},  // 177
    {"kgf", "N", 9.80665},  // 178
    {"lbf", "N", 4.4482216152605},  // 179: 1 lb x standard gravity
    {"kip", "lbf", 1000.0},  // 180
    {"poundal", "N", 0.138254954376},  // 181: 1 lb ft/s^2
    {"ton force", "lbf", 2000.0},  // 182
    {"Newton", "N", 1.0},  // 183
    {"kilonewton", "kN", 1.0},  // 184
    {"kilogram force", "kgf", 1.0},  // 185
    {"pound force", "lbf", 1.0},  // 186
    // Pressure
    {"kPa", "Pa", 1000.0},  // 187
    {"bar", "Pa", 100000.0},  // 188
    {"bar", "mbar", 1000.0},  // 189
    {"atm", "Pa", 101325.0},  // 190
    {"atm", "mmHg", 759.9998917256113},  // 191: conventional mmHg: 13.5951 g/cm^3 x 1 mm x standard gravity
    {"atm", "psi", 14.695948775513449},  // 192: psi = 1 lbf/in^2
    {"cmH2O", "Pa", 98.0665},  // 193
    {"cmHg", "mmHg", 10.0},  // 194
    {"cmH2O", "mmH2O", 10.0},  // 195
    {"inch of water", "cmH2O", 2.54},  // 196
    {"foot of water", "inch of water", 12.0},  // 197
    {"inch of mercury", "cmHg", 2.54},  // 198
    {"foot of mercury", "inch of mercury", 12.0},  // 199
    {"atmosphere", "atm", 1.0},  // 200
    {"pascal", "Pa", 1.0},  // 201
    {"kilopascal", "kPa", 1.0},  // 202
    {"millimeter of mercury", "mmHg", 1.0},  // 203
    {"centimeter of mercury", "cmHg", 1.0},  // 204
    {"millimeter of water", "mmH2O", 1.0},  // 205
    {"centimeter of water", "cmH2O", 1.0},  // 206
    {"mm Hg", "mmHg", 1.0},  // 207
    {"cm Hg", "cmHg", 1.0},  // 208
    {"mm H2O", "mmH2O", 1.0},  // 209
    {"cm H2O", "cmH2O", 1.0},  // 210
    {"torr", "mmHg", 0.999999857533699},  // 211: 1 torr = 1/760 atm
    {"millibar", "mbar", 1.0},  // 212
    {"pound per square inch", "psi", 1.0},  // 213
    // Energy
    {"erg", "J", 1e-7},  // 214
    {"foot poundal", "J", 0.0421401100938048},  // 215: 1 poundal x 1 ft
    {"cal", "J", 4.1868},  // 216
    {"kwh", "J", 3600000.0},  // 217
    {"eV", "J", 1.602176634e-19},  // 218: e x 1 V, exact
    {"MeV", "eV", 1000000.0},  // 219
    {"quad", "Btu", 1000000000000000.0},  // 220
    {"Btu", "J", 1055.05585262},  // 221: International Table Btu
    {"therm", "J", 105480400.0},  // 222
    {"kcal", "cal", 1000.0},  // 223
    {"kJ", "J", 1000.0},  // 224
    {"megajoule", "joule", 1000000.0},  // 225
    {"joule", "J", 1.0},  // 226
    {"kilojoule", "kJ", 1.0},  // 227
    {"British thermal unit", "Btu", 1.0},  // 228
    {"calorie", "cal", 1.0},  // 229
    {"kilocalorie", "kcal", 1.0},  // 230
    {"kilowatt hour", "kwh", 1.0},  // 231
    {"electron volt", "eV", 1.0},  // 232
    // Power
    {"hp", "W", 735.49875},  // 233: metric horsepower: 75 kgf m/s
    {"calorie per second", "W", 4.1868},  // 234
    {"W", "kW", 0.001},  // 235
    {"watt", "W", 1.0},  // 236
    {"horsepower", "hp", 1.0},  // 237
    {"kilowatt", "kw", 1.0},  // 238
    // Magnetism, charge and current
    {"maxwell", "weber", 1e-8},  // 239
    {"tesla", "gauss", 10000.0},  // 240
    {"tesla", "milligauss", 10000000.0},  // 241
    {"faraday", "coulomb", 96485.33212331001},  // 242: N_A x e, exact
    {"franklin", "coulomb", 3.3356409519815207e-10},  // 243: 1/(10 c)
    {"gamma", "tesla", 1e-9},  // 244
    {"gilbert", "ampere", 0.7957747154594766},  // 245: 10/(4 pi)
    {"A", "mA", 1000.0},  // 246
    {"mho", "siemens", 1.0},  // 247
    {"unit pole", "weber", 1.2566370614359172e-7},  // 248: 4 pi x 1e-8
    {"franklin", "Fr", 1.0},  // 249
    {"tesla", "T", 1.0},  // 250
    {"gauss", "Gs", 1.0},  // 251
    {"gauss", "G", 1.0},  // 252
    {"gilbert", "Gi", 1.0},  // 253
    {"maxwell", "Mx", 1.0},  // 254
    {"weber", "Wb", 1.0},  // 255
    {"ampere", "A", 1.0},  // 256
    {"Coulomb", "C", 1.0},  // 257
    {"milliampere", "mA", 1.0},  // 258
    // Angle
    {"Radian", "Degree", 57.29577951308232},  // 259
    {"Gradient", "Degree", 0.9},  // 260
    // Data size
    {"Megabyte", "Kilobyte", 1024.0},  // 261
    {"Kilobyte", "byte", 1024.0},  // 262
    {"byte", "bit", 8.0},  // 263
    {"Megabyte", "Mb", 1.0},  // 264
    {"Kilobyte", "Kb", 1.0},  // 265
    // Radiation
    {"curie", "becquerel", 37000000000.0},  // 266
    {"rad", "gray", 0.01},  // 267
    {"rem", "sievert", 0.01},  // 268
    {"roentgen", "coulomb per kilogram", 0.000258},  // 269
    {"curie", "Ci", 1.0},  // 270
    {"becquerel", "Bq", 1.0},  // 271
    {"gray", "Gy", 1.0},  // 272
    {"sievert", "Sv", 1.0},  // 273
    {"roentgen", "R", 1.0},  // 274
}};

// Shown as "name -> base" (inserts "*factor") and "base -> name"
// (inserts "*1/factor").
constexpr std::array<CatalogueRow, kConversionsMenuRowCount> kConversionsMenu{{
    {"acre", "square meter", 4046.8564224},  // 0
    {"calorie", "joule", 4.1868},  // 1
    {"fluid ounce (UK)", "milliliter", 28.4130625},  // 2
    {"fluid ounce (US)", "milliliter", 29.5735295625},  // 3
    {"foot", "meter", 0.3048},  // 4
    {"gallon(UK)", "liter", 4.54609},  // 5
    {"gallon(US)", "liter", 3.785411784},  // 6
    {"horsepower", "kilowatt", 0.73549875},  // 7: metric horsepower
    {"inch", "centimeter", 2.54},  // 8
    {"mile", "kilometer", 1.609344},  // 9
    {"nautical mile", "meter", 1852.0},  // 10
    {"ounce", "gram", 28.349523125},  // 11
    {"pound", "kilogram", 0.45359237},  // 12
    {"yard", "meter", 0.9144},  // 13
}};

}  // namespace

const CatalogueRow& CatalogueRowAt(int k) {
    assert(k >= 0 && k < kCatalogueRowCount);
    return kCatalogue[static_cast<std::size_t>(k)];
}

const CatalogueRow& ConversionsMenuRowAt(int k) {
    assert(k >= 0 && k < kConversionsMenuRowCount);
    return kConversionsMenu[static_cast<std::size_t>(k)];
}

}  // namespace quorvix
