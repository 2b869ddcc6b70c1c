#!/usr/bin/env python3
"""Exact reference values for the built-in unit catalogue.

Every unit text that the catalogue names is given its kind (the quantity it
measures) and its value in the SI unit of that kind, from the exact
definitions (NIST SP 811, the SI; the dalton from CODATA 2018). Rational
definitions are kept as fractions; those involving pi are evaluated with
mpmath at 40 digits.

  units.py                 write tests/units/UnitReferenceTable.inc (the
                           catalogue's texts, then the common aliases')
  units.py --check         list catalogue rows of src/units/UnitCatalogue.cpp
                           whose factor is not the double nearest the exact
                           ratio, with the factor they should have
  units.py --constants     print the physical constants that the SI makes
                           exact but CODATA lists truncated ("..."), to 17
                           digits, for the constants table
"""

import re
import sys
from fractions import Fraction as F
from pathlib import Path

import mpmath

mpmath.mp.dps = 40
PI = mpmath.pi

ROOT = Path(__file__).resolve().parents[2]
OUT = ROOT / "tests" / "units" / "UnitReferenceTable.inc"
CATALOGUE = ROOT / "src" / "units" / "UnitCatalogue.cpp"

# --- Exact base quantities ---------------------------------------------------
INCH = F(254, 10000)                 # m
FOOT = 12 * INCH
YARD = 3 * FOOT
MILE = 1760 * YARD
POUND = F(45359237, 10**8)           # kg
G_N = F(980665, 10**5)               # standard gravity, m/s^2
LBF = POUND * G_N                    # N
GALLON = 231 * INCH**3               # US liquid gallon, m^3
DRY_GALLON = F(2688025, 10000) * INCH**3   # 268.8025 in^3
UK_GALLON = F(454609, 10**8)
CAL_IT = F(41868, 10000)             # J
BTU_IT = CAL_IT * 1000 * POUND * F(5, 9)   # 1055.05585262 J
ATM = F(101325)
MMHG = F(135951, 10000) * G_N        # conventional: 13.5951 g/cm^3 x 1 mm x g_n
CMH2O = F(98066500, 10**6)           # conventional: 1 g/cm^3 x 1 cm x g_n
E_CHARGE = F(1602176634, 10**28)     # C, exact (SI)
N_A = F(602214076 * 10**15)         # 1/mol, exact (SI)
C_LIGHT = F(299792458)               # m/s, exact (SI)
DALTON = F(166053906660, 10**38)     # kg, CODATA 2018
AU = F(149597870700)                 # m, IAU 2012

# kind -> {text: value in the SI unit of the kind}; a value is a Fraction or
# an mpmath number.
KINDS = {
    "length": {
        "m": 1, "meter": 1,
        "km": 1000, "kilometer": 1000,
        "hm": 100, "hectometer": 100,
        "dam": 10, "dekameter": 10, "decameter": 10,
        "dm": F(1, 10), "decimeter": F(1, 10),
        "cm": F(1, 100), "centimeter": F(1, 100),
        "mm": F(1, 1000), "millimeter": F(1, 1000),
        "micrometer": F(1, 10**6), "micron": F(1, 10**6),
        "nm": F(1, 10**9), "nanometer": F(1, 10**9),
        "pm": F(1, 10**12), "picometer": F(1, 10**12),
        "fm": F(1, 10**15), "femtometer": F(1, 10**15), "fermi": F(1, 10**15),
        "in": INCH, "inch": INCH, "inches": INCH,
        "microinch": INCH / 10**6,
        "ft": FOOT, "foot": FOOT, "feet": FOOT,
        "yd": YARD, "yard": YARD,
        "mi": MILE, "mile": MILE,
        "rod": F(11, 2) * YARD, "perch": F(11, 2) * YARD, "pole": F(11, 2) * YARD,
        "furlong": 220 * YARD,
        "chain": 22 * YARD,
        "link": 22 * YARD / 100,
        "fathom": 6 * FOOT,
        "mil": INCH / 1000,
        "barleycorn": INCH / 3,
        "hand": 4 * INCH,
        "nautical mile": 1852, "n mile": 1852,
        "astronomical unit": AU, "AU": AU,
        "angstrom": F(1, 10**10),
        "light year": F(9460730472580800),   # Julian year x c
        "parsec": mpmath.mpf(AU.numerator) * 648000 / PI,
    },
    "area": {
        "m2": 1, "square meter": 1,
        "km2": 10**6, "square kilometer": 10**6,
        "cm2": F(1, 10**4), "square centimeter": F(1, 10**4),
        "mm2": F(1, 10**6), "square millimeter": F(1, 10**6),
        "in2": INCH**2, "square inch": INCH**2,
        "ft2": FOOT**2, "square foot": FOOT**2,
        "yd2": YARD**2, "square yard": YARD**2,
        "mi2": MILE**2, "square mile": MILE**2, "section": MILE**2,
        "township": 36 * MILE**2,
        "acre": 43560 * FOOT**2,
        "rood": 43560 * FOOT**2 / 4,
        "are": 100,
        "hectare": 10**4,
        "barn": F(1, 10**28),
        "circular mil": PI / 4 * mpmath.mpf(INCH.numerator) ** 2 / mpmath.mpf(INCH.denominator * 1000) ** 2,
        "circular inch": PI / 4 * mpmath.mpf(INCH.numerator) ** 2 / mpmath.mpf(INCH.denominator) ** 2,
    },
    "volume": {
        "m3": 1, "cubic meter": 1,
        "km3": 10**9, "cubic kilometer": 10**9,
        "cm3": F(1, 10**6), "cubic centimeter": F(1, 10**6),
        "mm3": F(1, 10**9), "cubic millimeter": F(1, 10**9),
        "l": F(1, 1000), "liter": F(1, 1000),
        "kl": 1, "kiloliter": 1,
        "dl": F(1, 10**4), "deciliter": F(1, 10**4),
        "cl": F(1, 10**5), "centiliter": F(1, 10**5),
        "ml": F(1, 10**6), "milliliter": F(1, 10**6),
        "microliter": F(1, 10**9),
        "nl": F(1, 10**12), "nanoliter": F(1, 10**12),
        "in3": INCH**3, "cubic inch": INCH**3,
        "ft3": FOOT**3, "cubic foot": FOOT**3,
        "yd3": YARD**3, "cubic yard": YARD**3,
        "cord": 128 * FOOT**3,
        "gallon": GALLON, "gal": GALLON,
        "quart": GALLON / 4, "pint": GALLON / 8, "gill": GALLON / 32,
        "fluid ounce": GALLON / 128, "cup": GALLON / 16,
        "tablespoon": GALLON / 256, "teaspoon": GALLON / 768,
        "barrel": 42 * GALLON,
        "dry gallon": DRY_GALLON, "dry quart": DRY_GALLON / 4, "dry pint": DRY_GALLON / 8,
        "peck": 2 * DRY_GALLON, "bushel": 8 * DRY_GALLON,
        "UK gallon": UK_GALLON, "UK quart": UK_GALLON / 4, "UK pint": UK_GALLON / 8,
        "UK gill": UK_GALLON / 32, "UK fluid ounce": UK_GALLON / 160,
    },
    "mass": {
        "kg": 1, "kilogram": 1,
        "g": F(1, 1000), "gram": F(1, 1000),
        "mg": F(1, 10**6), "milligram": F(1, 10**6),
        "microgram": F(1, 10**9),
        "ng": F(1, 10**12), "nanogram": F(1, 10**12),
        "metric ton": 1000, "tonne": 1000,
        "carat": F(1, 5000),
        "amu": DALTON, "atomic mass unit": DALTON, "dalton": DALTON,
        "slug": LBF / FOOT,                  # lbf s^2 / ft
        "lb": POUND, "lbs": POUND, "pound": POUND,
        "oz": POUND / 16, "ounce": POUND / 16,
        "grain": POUND / 7000,
        "troy ounce": 480 * POUND / 7000,
        "stone": 14 * POUND,
        "cwt": 100 * POUND, "hundredweight": 100 * POUND, "short hundredweight": 100 * POUND,
        "ton": 2000 * POUND, "short ton": 2000 * POUND,
        "UK cwt": 112 * POUND, "UK hundredweight": 112 * POUND, "long hundredweight": 112 * POUND,
        "UK ton": 2240 * POUND, "long ton": 2240 * POUND,
    },
    "time": {
        "s": 1, "sec": 1, "second": 1,
        "ms": F(1, 1000), "millisecond": F(1, 1000),
        "ns": F(1, 10**9), "nanosecond": F(1, 10**9),
        "min": 60, "minute": 60,
        "h": 3600, "hour": 3600,
        "d": 86400, "day": 86400,
        "y": F(36525, 100) * 86400, "year": F(36525, 100) * 86400,   # Julian year
    },
    "temperature difference": {
        "degK": 1, "degree K": 1, "degC": 1, "degree C": 1,
        "degF": F(5, 9), "degR": F(5, 9), "degree R": F(5, 9),
    },
    "force": {
        "N": 1, "Newton": 1,
        "kN": 1000, "kilonewton": 1000,
        "dyne": F(1, 10**5),
        "kgf": G_N, "kilogram force": G_N,
        "lbf": LBF, "pound force": LBF,
        "kip": 1000 * LBF,
        "ton force": 2000 * LBF,
        "poundal": POUND * FOOT,
    },
    "pressure": {
        "Pa": 1, "pascal": 1,
        "kPa": 1000, "kilopascal": 1000,
        "bar": 10**5,
        "mbar": 100, "millibar": 100,
        "atm": ATM, "atmosphere": ATM,
        "torr": ATM / 760,
        "mmHg": MMHG, "millimeter of mercury": MMHG, "mm Hg": MMHG,
        "cmHg": 10 * MMHG, "centimeter of mercury": 10 * MMHG, "cm Hg": 10 * MMHG,
        "inch of mercury": F(254, 10) * MMHG,
        "foot of mercury": 12 * F(254, 10) * MMHG,
        "cmH2O": CMH2O, "centimeter of water": CMH2O, "cm H2O": CMH2O,
        "mmH2O": CMH2O / 10, "millimeter of water": CMH2O / 10, "mm H2O": CMH2O / 10,
        "inch of water": F(254, 100) * CMH2O,
        "foot of water": 12 * F(254, 100) * CMH2O,
        "psi": LBF / INCH**2, "pound per square inch": LBF / INCH**2,
    },
    "energy": {
        "J": 1, "joule": 1,
        "kJ": 1000, "kilojoule": 1000,
        "megajoule": 10**6,
        "erg": F(1, 10**7),
        "foot poundal": POUND * FOOT * FOOT,
        "cal": CAL_IT, "calorie": CAL_IT,
        "kcal": 1000 * CAL_IT, "kilocalorie": 1000 * CAL_IT,
        "kwh": 3600000, "kilowatt hour": 3600000,
        "eV": E_CHARGE, "electron volt": E_CHARGE,
        "MeV": 10**6 * E_CHARGE,
        "Btu": BTU_IT, "British thermal unit": BTU_IT,
        "quad": 10**15 * BTU_IT,
        "therm": 105480400,                  # US therm
    },
    "power": {
        "W": 1, "watt": 1,
        "kW": 1000, "kw": 1000, "kilowatt": 1000,
        "hp": 75 * G_N, "horsepower": 75 * G_N,   # metric horsepower
        "calorie per second": CAL_IT,
    },
    "charge": {
        "C": 1, "coulomb": 1, "Coulomb": 1,
        "faraday": N_A * E_CHARGE,
        "franklin": 1 / (10 * C_LIGHT), "Fr": 1 / (10 * C_LIGHT),
    },
    "magnetic flux density": {
        "T": 1, "tesla": 1,
        "gauss": F(1, 10**4), "Gs": F(1, 10**4), "G": F(1, 10**4),
        "milligauss": F(1, 10**7),
        "gamma": F(1, 10**9),
    },
    "magnetic flux": {
        "Wb": 1, "weber": 1,
        "maxwell": F(1, 10**8), "Mx": F(1, 10**8),
        "unit pole": 4 * PI / 10**8,
    },
    "current": {
        "A": 1, "ampere": 1,
        "mA": F(1, 1000), "milliampere": F(1, 1000),
        "gilbert": 10 / (4 * PI), "Gi": 10 / (4 * PI),
    },
    "conductance": {"siemens": 1, "mho": 1},
    "angle": {"Radian": 1, "Degree": PI / 180, "Gradient": PI / 200},
    "data size": {
        "bit": 1, "byte": 8,
        "Kilobyte": 8 * 1024, "Kb": 8 * 1024,
        "Megabyte": 8 * 1024**2, "Mb": 8 * 1024**2,
    },
    "activity": {"becquerel": 1, "Bq": 1, "curie": 37 * 10**9, "Ci": 37 * 10**9},
    "absorbed dose": {"gray": 1, "Gy": 1, "rad": F(1, 100)},
    "dose equivalent": {"sievert": 1, "Sv": 1, "rem": F(1, 100)},
    "exposure": {"coulomb per kilogram": 1, "roentgen": F(258, 10**6), "R": F(258, 10**6)},
}

# The common aliases searched after the catalogue (src/units/UnitAliases.cpp),
# with unit texts that they convert to: named aliases are rows of their own,
# compound aliases stand for a unit text (mph for mi/h).
ALIAS_KINDS = {
    "time": {"week": 7 * 86400},
    "data size": {
        "kB": 8 * 10**3, "MB": 8 * 10**6, "GB": 8 * 10**9,
        "KiB": 8 * 1024, "MiB": 8 * 1024**2, "GiB": 8 * 1024**3,
    },
    "speed": {
        "m/s": 1, "km/h": F(1000, 3600), "kph": F(1000, 3600),
        "mph": MILE / 3600, "knot": F(1852, 3600),
    },
    "frequency": {"Hz": 1, "hertz": 1, "1/s": 1, "1/min": F(1, 60)},
}


def all_kinds():
    """(kind, units) of the catalogue, then of the aliases."""
    yield from KINDS.items()
    yield from ALIAS_KINDS.items()


def as_mpf(v):
    if isinstance(v, F):
        return mpmath.mpf(v.numerator) / v.denominator
    return mpmath.mpf(v)


def reference():
    """text -> (kind, value); a text may appear under one kind only."""
    table = {}
    for kind, units in all_kinds():
        for text, value in units.items():
            if text in table:
                raise SystemExit(f"{text!r} is listed twice")
            table[text] = (kind, as_mpf(value))
    return table


def catalogue_rows():
    row = re.compile(r'\{"([^"]*)", "([^"]*)", ([0-9.eE+-]+)\},\s*// (\d+)')
    text = CATALOGUE.read_text()
    body = text[:text.index("kConversionsMenu{")]
    return [(m.group(1), m.group(2), float(m.group(3)), int(m.group(4)))
            for m in row.finditer(body)]


def nearest_double(x):
    return float(mpmath.nstr(x, 25, strip_zeros=False))


def check():
    table = reference()
    rows = catalogue_rows()
    bad = 0
    texts = set()
    for name, base, factor, k in rows:
        texts.update((name, base))
        for t in (name, base):
            if t not in table:
                print(f"row {k}: {t!r} has no reference value")
                bad += 1
        if name in table and base in table:
            (kn, vn), (kb, vb) = table[name], table[base]
            if kn != kb:
                print(f"row {k}: {name!r} ({kn}) and {base!r} ({kb}) differ in kind")
                bad += 1
            exact = vn / vb
            want = nearest_double(exact)
            if factor != want:
                rel = abs(factor - exact) / exact
                print(f"row {k}: {name} -> {base} is {factor!r}, exact {mpmath.nstr(exact, 20)}"
                      f" (off {mpmath.nstr(rel, 2)}): store {want!r}")
                bad += 1
    aliases = {t for units in ALIAS_KINDS.values() for t in units}
    for t in sorted(set(table) - texts - aliases):
        print(f"reference text {t!r} is in no catalogue row")
        bad += 1
    print(f"{len(rows)} rows, {len(texts)} texts, {bad} findings")
    return bad == 0


def exact_constants():
    k = F(1380649, 10**29)                 # J/K
    h = F(662607015, 10**42)               # J s
    r = N_A * k
    sigma = 2 * PI**5 * as_mpf(k)**4 / (15 * as_mpf(h)**3 * as_mpf(C_LIGHT)**2)
    for name, value in [("Faraday constant N_A e", N_A * E_CHARGE),
                        ("molar gas constant N_A k", r),
                        ("molar volume of ideal gas at 273.15 K, 101.325 kPa", r * F(27315, 100) / ATM),
                        ("Stefan-Boltzmann constant", sigma)]:
        print(f"{name}: {mpmath.nstr(as_mpf(value), 17)}")


def write():
    table = reference()
    lines = [
        "// Generated by scripts/reference/units.py from the exact unit definitions",
        "// (NIST SP 811, the SI, CODATA 2018 for the dalton). Do not edit.",
        "// Unit text, kind, value in the SI unit of the kind to 21 digits.",
    ]
    for kind, units in all_kinds():
        for text in units:
            value = table[text][1]
            lines.append(f'{{"{text}", "{kind}", {mpmath.nstr(value, 21, min_fixed=0, max_fixed=0)}}},')
    OUT.write_text("\n".join(lines) + "\n")
    print(f"wrote {OUT.relative_to(ROOT)}: {len(table)} unit texts")


if __name__ == "__main__":
    if sys.argv[1:] == ["--check"]:
        sys.exit(0 if check() else 1)
    if sys.argv[1:] == ["--constants"]:
        exact_constants()
        sys.exit(0)
    write()
