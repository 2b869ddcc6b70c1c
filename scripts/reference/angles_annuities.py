#!/usr/bin/env python3
"""Reference tables for the angle units, BICO and the annuity functions.

Every value is computed with mpmath at 60 digits from the exact double
arguments (a literal such as 1+1E-12 is formed in double arithmetic first,
as the calculator forms it) and rounded once to the nearest double.

Annuities come from the defining equations, not from closed forms shared
with the code under test: PV/FV/PMT/NPER from the time-value equation
  pv (1+r)^n + pmt (1 + r type) ((1+r)^n - 1) / r + fv = 0,
IPMT/PPMT from an amortisation schedule run period by period, RATE as the
root of the time-value equation in the rate.

Writes tests/engine/AngleReferenceTable.inc and
tests/engine/AnnuityReferenceTable.inc (checked in; the build never runs this).

    python3 scripts/reference/angles_annuities.py
"""

import os

import mpmath
from mpmath import mp, mpf

mp.dps = 60

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def dbl(text):
    """The double the calculator forms for an argument text (+ - * / and E)."""
    return float(eval(text.replace("E", "e"), {"__builtins__": {}}))


def c_double(x):
    return repr(float(x)) if x != 0 else "0.0"


# ---------------------------------------------------------------- angles

UNITS = {0: mpmath.pi / 180, 1: mpf(1), 2: mpmath.pi / 200}
HALF_TURN = {0: mpf(180), 2: mpf(200)}


def sin_cos(unit, x):
    """sin and cos of x in the unit; sinpi/cospi make multiples of a quarter
    turn exact."""
    if unit == 1:
        return mpmath.sin(x), mpmath.cos(x)
    return mpmath.sinpi(x / HALF_TURN[unit]), mpmath.cospi(x / HALF_TURN[unit])


FORWARD = {
    "SIN": lambda s, c: s, "COS": lambda s, c: c, "TAN": lambda s, c: s / c,
    "SEC": lambda s, c: 1 / c, "CSC": lambda s, c: 1 / s, "COT": lambda s, c: c / s,
}
INVERSE = {
    "ASIN": mpmath.asin, "ACOS": mpmath.acos, "ATAN": mpmath.atan,
    "ASEC": lambda x: mpmath.acos(1 / x), "ACSC": lambda x: mpmath.asin(1 / x),
    "ACOT": lambda x: mpmath.atan(1 / x),
}

# (unit, function, argument text)
ANGLE_CASES = [
    # Multiples of the quarter turn: exact 0 and +-1.
    (0, "SIN", "180"), (0, "SIN", "360"), (0, "SIN", "-180"), (0, "SIN", "90"), (0, "SIN", "270"),
    (0, "SIN", "-90"), (0, "SIN", "720"), (0, "SIN", "1E15"), (0, "COS", "90"), (0, "COS", "180"),
    (0, "COS", "270"), (0, "COS", "-90"), (0, "TAN", "180"), (0, "TAN", "-360"), (0, "COT", "90"),
    (0, "COT", "270"), (0, "SEC", "180"), (0, "CSC", "90"),
    # Values exact at 30 and 45 degrees.
    (0, "SIN", "30"), (0, "SIN", "150"), (0, "SIN", "-30"), (0, "COS", "60"), (0, "COS", "300"),
    (0, "TAN", "45"), (0, "TAN", "135"), (0, "TAN", "-45"), (0, "COT", "45"), (0, "SEC", "60"),
    (0, "CSC", "30"),
    # Ordinary and huge angles keep their digits.
    (0, "SIN", "1"), (0, "SIN", "0.1"), (0, "SIN", "45"), (0, "SIN", "89.9"), (0, "COS", "89.99999"),
    (0, "TAN", "89.9"), (0, "TAN", "90.0000001"), (0, "SIN", "12345.678"), (0, "SIN", "1E15+1"),
    (0, "SIN", "123456789.123"), (0, "COS", "1E15+3"), (0, "TAN", "1E15+7"), (0, "SIN", "1E22"),
    (0, "SIN", "-1E15-11"), (0, "SIN", "1E-300"), (0, "COT", "1E-10"), (0, "SEC", "89.999"),
    (0, "CSC", "179.999"), (0, "COS", "-1234.5"),
    (2, "SIN", "200"), (2, "SIN", "100"), (2, "COS", "100"), (2, "COS", "300"), (2, "TAN", "50"),
    (2, "TAN", "250"), (2, "SIN", "1E15+1"), (2, "SIN", "33.3"), (2, "COS", "123456.789"),
    (2, "TAN", "99.99"),
    # Inverse functions: results converted to the unit with one rounding.
    (0, "ASIN", "1"), (0, "ASIN", "0.5"), (0, "ASIN", "-0.3"), (0, "ACOS", "0.5"), (0, "ACOS", "-1"),
    (0, "ACOS", "0.1"), (0, "ATAN", "1"), (0, "ATAN", "1E300"), (0, "ATAN", "0.2"), (0, "ATAN", "3"),
    (0, "ACOT", "0.5"), (0, "ACOT", "-2"), (2, "ASIN", "1"), (2, "ACOS", "0.3"), (2, "ATAN", "-7"),
    # ASEC and ACSC near 1, and far out.
    (1, "ASEC", "1+1E-12"), (1, "ASEC", "-1-1E-12"), (1, "ASEC", "1+1E-15"), (1, "ASEC", "1.5"),
    (1, "ASEC", "2"), (1, "ASEC", "-2"), (1, "ASEC", "1E200"), (1, "ASEC", "-1E10"), (1, "ASEC", "1"),
    (1, "ASEC", "-1"), (1, "ACSC", "1+1E-12"), (1, "ACSC", "-1-1E-12"), (1, "ACSC", "1.5"),
    (1, "ACSC", "2"), (1, "ACSC", "3"), (1, "ACSC", "1E300"), (1, "ACSC", "-7"),
    (0, "ASEC", "1+1E-12"), (0, "ASEC", "2"), (0, "ASEC", "-2"), (0, "ASEC", "-1"), (0, "ACSC", "2"),
    (0, "ACSC", "1+1E-12"), (0, "ACSC", "-1"), (2, "ASEC", "1+1E-12"), (2, "ASEC", "-1.5"),
    (2, "ACSC", "1.25"),
]


def angle_value(unit, name, text):
    x = mpf(dbl(text))
    if name in FORWARD:
        return FORWARD[name](*sin_cos(unit, x))
    return INVERSE[name](x) / UNITS[unit]


# ---------------------------------------------------------------- BICO

BICO_CASES = [(5, 2), (40, 20), (50, 25), (56, 28), (57, 28), (58, 29), (60, 30), (67, 33), (100, 50),
              (1000, 3), (1000, 500), (1029, 514), (100000, 5), (2147483647, 2), (2147483647, 3)]


# ---------------------------------------------------------------- annuities

def growth(r, n):
    return (1 + r) ** n


def pv_exact(r, n, pmt, fv, t):
    if r == 0:
        return -fv - pmt * n
    g = growth(r, n)
    return -(fv + pmt * (1 + r * t) * (g - 1) / r) / g


def fv_exact(r, n, pmt, pv, t):
    if r == 0:
        return -pv - pmt * n
    g = growth(r, n)
    return -(pv * g + pmt * (1 + r * t) * (g - 1) / r)


def pmt_exact(r, n, pv, fv, t):
    if r == 0:
        return -(pv + fv) / n
    g = growth(r, n)
    return -r * (pv * g + fv) / ((1 + r * t) * (g - 1))


def nper_exact(r, pmt, pv, fv, t):
    if r == 0:
        return -(pv + fv) / pmt
    h = pmt * (1 + r * t)
    return mpmath.log((h - r * fv) / (h + r * pv)) / mpmath.log(1 + r)


def schedule(r, per, n, pv, fv, t):
    """(interest part, principal part) of payment `per`, from the balance run
    period by period. The balance carries the sign of pv; a payment p (of
    the other sign) reduces it."""
    p = pmt_exact(r, n, pv, fv, t)
    balance = pv
    interest_parts = []
    for _ in range(int(per)):
        if t == 0:
            interest = balance * r
            interest_parts.append(interest)
            balance = balance + interest + p
        else:
            balance = balance + p
            interest = balance * r
            interest_parts.append(interest)
            balance = balance + interest
    # With payments at the start, payment k pays the interest of period k-1.
    if t == 0:
        ip = -interest_parts[per - 1]
    else:
        ip = mpf(0) if per == 1 else -interest_parts[per - 2]
    return ip, p - ip


def rate_exact(n, pmt, pv, fv, t, lo, hi):
    f = lambda x: pv - pv_exact(x, n, pmt, fv, t)
    if f(mpf(0)) == 0:
        return mpf(0)
    root = mpmath.findroot(f, (mpf(lo), mpf(hi)), solver="anderson")
    assert lo <= root <= hi and abs(f(root)) < mpf(10) ** -45 * (abs(pv) + abs(fv) + abs(pmt * n)), root
    return root


def args(*texts):
    return [mpf(dbl(s)) for s in texts]


ANNUITY_ROWS = []


def add(expr, value):
    ANNUITY_ROWS.append((expr, value))


def annuity_cases():
    # The lines and their like: huge and tiny growth factors.
    for a in [("0.05", "1000000", "1000"), ("0.05", "100000", "1000"), ("-0.05", "360", "-100"),
              ("0.01", "12", "1000"), ("1E-20", "12", "1200"), ("1E-9", "360", "1000"),
              ("0.1", "10000", "-5"), ("-0.01", "1000", "100"), ("2", "1000", "1")]:
        r, n, x = args(*a)
        add("PMT(%s,%s,%s)" % a, pmt_exact(r, n, x, 0, 0))
    for a in [("-0.5", "360", "-100"), ("-0.05", "360", "-100"), ("0.01", "12", "-100"),
              ("0.05", "1000000", "-100"), ("1E-12", "360", "-100"), ("-1E-12", "360", "-100"),
              ("0.3", "2000", "-1"), ("-0.3", "1000", "-1E-100"), ("0.01", "12", "-100", "50", "1")]:
        vals = args(*a)
        r, n, p = vals[:3]
        fv = vals[3] if len(vals) > 3 else mpf(0)
        t = int(vals[4]) if len(vals) > 4 else 0
        add("PV(%s)" % ",".join(a), pv_exact(r, n, p, fv, t))
    for a in [("0.01", "12", "-100"), ("0.05", "360", "-100"), ("-0.05", "360", "-100"),
              ("1E-12", "360", "-100"), ("0.5", "1000", "-1E-200"), ("-0.5", "360", "-100", "1000"),
              ("0.01", "12", "-100", "1000", "1")]:
        vals = args(*a)
        r, n, p = vals[:3]
        pv = vals[3] if len(vals) > 3 else mpf(0)
        t = int(vals[4]) if len(vals) > 4 else 0
        add("FV(%s)" % ",".join(a), fv_exact(r, n, p, pv, t))
    for a in [("0.01", "-100", "1000"), ("1E-12", "-100", "1000"), ("0.05", "-60", "1000", "0", "1"),
              ("-0.01", "-100", "1000"), ("0.001", "-1", "999")]:
        vals = args(*a)
        r, p, pv = vals[:3]
        fv = vals[3] if len(vals) > 3 else mpf(0)
        t = int(vals[4]) if len(vals) > 4 else 0
        add("NPER(%s)" % ",".join(a), nper_exact(r, p, pv, fv, t))
    # Interest and principal parts, payments at the end and at the start.
    for r in ["0.01", "0.05", "0.001", "-0.01", "0.2"]:
        for n, fv in [("12", "0"), ("36", "100")]:
            for t in (0, 1):
                for per in sorted({1, 2, 3, int(dbl(n)) // 2, int(dbl(n))}):
                    rr, nn, pv, ff = args(r, n, "1000", fv)
                    ip, pp = schedule(rr, per, int(nn), pv, ff, t)
                    tail = "%s,%s,%d" % ("1000", fv, t)
                    add("IPMT(%s,%d,%s,%s)" % (r, per, n, tail), ip)
                    add("PPMT(%s,%d,%s,%s)" % (r, per, n, tail), pp)
    # RATE: ordinary, near 0 (both signs), tiny true rates, long terms.
    rate_cases = [
        (("12", "-100", "1000"), 0.01, 0.05),
        (("12", "-83.33", "1000"), -0.001, 0.001),
        (("12", "-100", "1200"), -0.01, 0.01),
        (("10", "-100", "800"), 0.01, 0.1),
        (("24", "-50", "1000", "-200", "1"), 0.0, 0.05),
        (("360", "-277.8", "100000"), 0.0, 0.01),
        (("360", "-277.7778", "100000"), -0.001, 0.001),
        (("120", "-8.3334", "1000"), -0.001, 0.001),
        (("120", "-8.333333334", "1000"), -0.001, 0.001),
        (("10000", "-10.5", "1000"), 0.005, 0.02),
        (("10000", "-0.15", "1000"), 0.00001, 0.01),
        (("10000", "-0.1000001", "1000"), -0.0001, 0.0001),
        (("5", "-200", "1000", "0", "1"), -0.01, 0.01),
        (("60", "-150", "10000", "-5000"), -0.01, 0.05),
        (("36", "300", "-10000"), 0.0, 0.05),
        # Mixed cash flows over long terms, where secant steps alone fail.
        (("8299", "1.3779357", "85144.1", "-7950.8", "1"), -0.001, -0.0001),
        (("18134", "-4.8891419", "60036.7", "28623.0", "1"), -1e-6, -1e-14),
    ]
    for a, lo, hi in rate_cases:
        vals = args(*a)
        n, p, pv = vals[:3]
        fv = vals[3] if len(vals) > 3 else mpf(0)
        t = int(vals[4]) if len(vals) > 4 else 0
        add("RATE(%s)" % ",".join(a), rate_exact(n, p, pv, fv, t, lo, hi))


def write(path, header, rows):
    with open(os.path.join(ROOT, path), "w") as out:
        out.write("// Generated by scripts/reference/angles_annuities.py (mpmath, 60 digits). Do not edit.\n")
        out.write(header)
        for row in rows:
            out.write(row + "\n")


def main():
    angle_rows = []
    for unit, name, text in ANGLE_CASES:
        angle_rows.append('{%d, "%s(%s)", %s},' % (unit, name, text, c_double(angle_value(unit, name, text))))
    for n, k in BICO_CASES:
        angle_rows.append('{1, "BICO(%d,%d)", %s},' % (n, k, c_double(mpmath.binomial(n, k))))
    write("tests/engine/AngleReferenceTable.inc",
          "// {angle unit, expression, value}: trigonometry in every unit, and BICO.\n", angle_rows)
    annuity_cases()
    write("tests/engine/AnnuityReferenceTable.inc", "// {expression, value}\n",
          ['{"%s", %s},' % (e, c_double(v)) for e, v in ANNUITY_ROWS])


if __name__ == "__main__":
    main()
