#!/usr/bin/env python3
"""Reference values for the gamma, beta, error, exponential-integral,
elliptic, Jacobi, Fresnel, sine/cosine-integral and Dawson routines.

Run by hand from the repository root:  python3 scripts/reference/gamma_elliptic.py
It writes
  tests/numeric/reference/GammaEllipticReference.inc  (the test tables)
  src/numeric/CosineIntegralZeros.inc                 (zeros of Ci as hi + lo)
Every value is computed with mpmath at 40 digits at the exact double
arguments given, with the condition number |sum x_i df/dx_i| / |f| over
the continuous arguments, so that a test may allow for what the arguments'
own rounding makes impossible.
"""
import mpmath as mp

mp.mp.dps = 40


def re(v):
    return mp.re(v)


def lngamma(x):
    return re(mp.loggamma(x))


def gammap(a, x):
    return mp.gammainc(a, 0, x, regularized=True)


def gammaq(a, x):
    return mp.gammainc(a, x, mp.inf, regularized=True)


def betacf(a, b, x):
    """The continued fraction of I_x(a, b) (modified Lentz), at working precision."""
    tiny = mp.mpf(10) ** -300
    c, d = mp.mpf(1), 1 - (a + b) * x / (a + 1)
    d = 1 / (d if d != 0 else tiny)
    h = d
    for m in range(1, 200000):
        for aa in (m * (b - m) * x / ((a - 1 + 2 * m) * (a + 2 * m)),
                   -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 1 + 2 * m))):
            d = 1 + aa * d
            d = 1 / (d if d != 0 else tiny)
            c = 1 + aa / c
            c = c if c != 0 else tiny
            h *= d * c
        if abs(d * c - 1) < mp.mpf(10) ** -(mp.mp.dps + 5):
            return h
    raise ArithmeticError('betacf')


def betai(a, b, x):
    if x == 0 or x == 1:
        return mp.mpf(x)
    with mp.workdps(mp.mp.dps + 30):
        front = mp.exp(a * mp.log(x) + b * mp.log1p(-x) - mp.log(mp.beta(a, b)))
        if x < (a + 1) / (a + b + 2):
            return front * betacf(a, b, x) / a
        return 1 - front * betacf(b, a, 1 - x) / b


def ellf(phi, k):
    return re(mp.ellipf(phi, k * k))


def elle(phi, k):
    return re(mp.ellipe(phi, k * k))


def ellpi(phi, n, k):
    # This library's sign: 1 / (1 + n sin^2 t); mpmath's: 1 / (1 - n sin^2 t).
    return re(mp.ellippi(-n, phi, k * k))


def jac(kind):
    return lambda u, mc: re(mp.ellipfun(kind, u, m=1 - mc))


def expen(n, x):
    # mpmath's expint(n, x) is wrong for some large n (E_100(150) by a
    # factor 1e8); the integral over t = 1 + u is not.
    if x == 0:
        return 1 / mp.mpf(n - 1)
    s = x + n
    pts = [0] + [mp.mpf(4) ** j / s for j in range(-2, 8)] + [mp.inf]
    return mp.exp(-x) * mp.quad(lambda u: mp.exp(-x * u) / (1 + u) ** n, pts)


def dawson(x):
    return mp.sqrt(mp.pi) / 2 * mp.exp(-x * x) * mp.erfi(x)


# name -> (function, which arguments are continuous)
FUNCS = {
    'GAMMALN': (lngamma, [True]),
    'FACTLN': (lambda n: lngamma(n + 1), [False]),
    'GAMMAP': (gammap, [True, True]),
    'GAMMAQ': (gammaq, [True, True]),
    'BETA': (mp.beta, [True, True]),
    'BETAI': (betai, [True, True, True]),
    'ERF': (mp.erf, [True]),
    'ERFC': (mp.erfc, [True]),
    'EXPEN': (expen, [False, True]),
    'EXPEI': (mp.ei, [True]),
    'ELLIPTICF': (ellf, [True, True]),
    'ELLIPTICE': (elle, [True, True]),
    'ELLIPTICPI': (ellpi, [True, True, True]),
    'CARLSONRF': (mp.elliprf, [True] * 3),
    'CARLSONRD': (mp.elliprd, [True] * 3),
    'CARLSONRJ': (lambda x, y, z, p: re(mp.elliprj(x, y, z, p)), [True] * 4),
    'CARLSONRC': (lambda x, y: re(mp.elliprc(x, y)), [True] * 2),
    'ELLIPTICSN': (jac('sn'), [True, True]),
    'ELLIPTICCN': (jac('cn'), [True, True]),
    'ELLIPTICDN': (jac('dn'), [True, True]),
    'FRESNELS': (mp.fresnels, [True]),
    'FRESNELC': (mp.fresnelc, [True]),
    'SININT': (mp.si, [True]),
    'COSINT': (lambda x: mp.ci(abs(x)), [True]),
    'DAWSON': (dawson, [True]),
}


def ci_zeros(below):
    zs = [mp.findroot(mp.ci, 0.6165)]
    n = 1
    while True:
        b = n * mp.pi
        z = mp.findroot(mp.ci, b + 1 / b)
        if z > below:
            return zs
        zs.append(z)
        n += 1


def split(z):
    hi = float(z)
    return hi, float(z - mp.mpf(hi))


def nearest_doubles(z):
    """The double nearest to z and its two neighbours."""
    import math
    d = float(z)
    return [math.nextafter(d, -math.inf), d, math.nextafter(d, math.inf)]


def points():
    import math
    P = {}
    lg = [0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 7.3, 10.0, 33.3, 100.0, 170.5, 1e-5, 1e-300, 1e6, 1e300,
          -1.5, -0.5, -2.5, -100.5, 0.9999999, 1.0000001, 1.9999999, 2.0000001,
          1.4616321449683623, -2.4570247382208006, -0.5000001,
          -4294967296.5, -8991930000.25, -1e15 - 0.25]
    P['GAMMALN'] = [(x,) for x in lg]
    P['FACTLN'] = [(n,) for n in (2, 3, 10, 50, 100, 101, 170, 1000, 123456, 2147483647)]
    ga = []
    for a, x in [(0.5, 0.3), (1, 0.5), (2.5, 1.2), (2.5, 5), (10, 3), (10, 15), (0.1, 3), (50, 45),
                 (135, 135), (135, 134.5), (1000, 1000), (1e4, 1e4 + 50), (1e6, 1e6 - 1000),
                 (1e-3, 1e-3), (1e-10, 2.0), (3, 100), (3, 1e-5), (30, 120), (200, 140), (0.5, 40)]:
        ga.append((a, x))
    P['GAMMAP'] = ga
    P['GAMMAQ'] = ga
    P['BETA'] = [(2, 3), (0.5, 0.5), (7.5, 2.25), (1e-8, 3), (300, 400), (8000, 0.5), (8000.25, 3.5),
                 (1e5, 1e-5), (-0.5, 2), (-1.5, -2.5), (3.25, 1.5)]
    P['BETAI'] = [(2, 3, 0.4), (0.5, 0.5, 0.3), (5, 2, 0.9), (10, 20, 0.3), (1.5, 4.5, 0.7),
                  (8000, 8000, 0.5), (8000, 7999, 0.501), (7999.5, 8000.25, 0.49), (1e-3, 2, 1e-4),
                  (2, 3, 0.999999), (50, 0.5, 0.999), (0.5, 50, 1e-3), (100, 200, 0.2), (3, 4, 1e-100)]
    P['ERF'] = [(x,) for x in (1e-300, 1e-20, 1e-8, 0.1, 0.5, 0.9, 1, 2, 3, 5, 5.9, -0.7, -3)]
    P['ERFC'] = [(x,) for x in (1e-300, 0.1, 0.5, 1, 2, 3, 5, 10, 26, 27.2, -0.7, -3, -6)]
    P['EXPEN'] = [(n, x) for n, x in [(1, 0.5), (2, 0.5), (3, 1), (1, 2), (5, 3.5), (10, 0.2),
                                      (1, 1e-10), (2, 20), (3, 0.99), (1, 600), (100, 0.5),
                                      (100, 150), (7, 1e-300), (1000, 3)]]
    ei0 = mp.findroot(mp.ei, 0.37)
    P['EXPEI'] = [(x,) for x in [1e-300, 1e-5, 0.5, 1, 5, 20, 32, 33, 40, 100, 700] +
                  nearest_doubles(ei0) + [float(ei0) * (1 + 1e-9)]]
    leg = [(0.5, 0.3), (1, 0.7), (1.5, 0.99), (1.5707963267948966, 0.5), (0.2, 0),
           (3, 0.5), (math.pi, 0.5), (4, 0.5), (-4, 0.9), (10, 0.3), (100, 0.999999),
           (1.5707963267948966, 0.999999), (1.2, 0.999999), (1e-8, 0.5), (0.5, 1.9)]
    P['ELLIPTICF'] = leg
    P['ELLIPTICE'] = leg
    P['ELLIPTICPI'] = [(0.5, 0.3, 0.3), (1, -0.5, 0.7), (1.5, 2, 0.99), (1.5707963267948966, 0.5, 0.5),
                       (0.2, 1, 0), (3, 0.5, 0.5), (4, -0.5, 0.6), (7, 2, 0.3), (1.2, 0.5, 0.999999),
                       (1.5707963267948966, -0.9, 0.999999), (0.5, -3, 0.5), (2, 1e3, 0.5)]
    P['CARLSONRF'] = [(1, 2, 3), (0, 1, 2), (0.5, 0.5, 4), (100, 0.01, 5), (1, 1, 4e37),
                      (1e-30, 1, 1e30), (0, 1e-300, 1), (1e300, 1e300, 1e300)]
    P['CARLSONRD'] = [(1, 2, 3), (0, 1, 2), (0.5, 0.5, 4), (100, 0.01, 5), (0, 1e-300, 1),
                      (1e-20, 1, 1e20)]
    P['CARLSONRJ'] = [(1, 2, 3, 4), (0, 1, 2, 3), (1, 2, 3, 1e12), (1, 2, 3, -0.5), (0.5, 1, 2, -3),
                      (2, 0.5, 1, -3), (1, 1, 1, -1), (9e11, 2.5e-13, 0, 2.5e-13), (1e-20, 1, 2, 1e20),
                      (1, 2, 3, 1e-12)]
    P['CARLSONRC'] = [(1, 2), (2, 1), (0, 1), (1, -2), (3, -0.5), (0.001, -2e19), (1e-300, 1),
                      (1e30, 1e-30), (0.25, 0.25)]
    jv = [(0.7, 0.5), (2.5, 0.1), (1, 0.0001), (5, 0.9), (-1.3, 3), (0.7, -0.5), (0.3, -2), (4, -0.2),
          (1, 1e-12), (30, 1e-20), (0.5, 1e-300), (0.5, 1), (3, 0.999999), (20, 0.3), (1e-10, 0.5),
          (2, 50), (0.3, -1e6), (1.8540746773013719, 0.5)]
    P['ELLIPTICSN'] = jv
    P['ELLIPTICCN'] = jv
    P['ELLIPTICDN'] = jv
    fr = [1e-20, 1e-5, 0.01, 0.3, 1, 1.5, 1.5000001, 1.8, 2.5, 10, 100, 1e4 + 0.1, 123456.789,
          3e7, 1e10, 1234567891.25, 1e16 + 2, -2.2]
    P['FRESNELS'] = [(x,) for x in fr]
    P['FRESNELC'] = [(x,) for x in fr]
    cs = [1e-300, 0.01, 0.5, 1, 2, 2.0000001, 3, 10, 100, 1e4, 1e10, -7.5]
    zeros = ci_zeros(200)
    near = []
    for z in zeros[:4] + zeros[30:32] + zeros[-2:]:
        near += nearest_doubles(z)
        near.append(float(z) + 0.03)
    P['SININT'] = [(x,) for x in cs + [0.6165, 3.3847]]
    P['COSINT'] = [(x,) for x in cs + near]
    P['DAWSON'] = [(x,) for x in (1e-300, 0.05, 0.1999, 0.2, 0.5, 0.9241388730, 1.5, 3, 6.5, 10,
                                  49.9, 50, 100, 1e15, -1)]
    return P, zeros


def condition(f, args, cont):
    v = f(*[mp.mpf(a) for a in args])
    if v == 0:
        return v, 0
    total = mp.mpf(0)
    for i, c in enumerate(cont):
        if not c or args[i] == 0:
            continue
        def g(t, i=i):
            a = [mp.mpf(x) for x in args]
            a[i] = t
            return f(*a)
        try:
            d = mp.diff(g, mp.mpf(args[i]), h=abs(mp.mpf(args[i])) * mp.mpf(10) ** -25)
            total += abs(args[i] * d)
        except Exception:
            total += mp.inf
    return v, total / abs(v)


def fmt(x):
    if isinstance(x, int):
        return '%d' % x
    return repr(float(x)) if abs(float(x)) != float('inf') else '1e308'


def main():
    P, zeros = points()
    out = ['// Generated by scripts/reference/gamma_elliptic.py (mpmath, 40 digits): do not edit.',
           '// Each row: function, arguments, value, condition number.']
    for name, rows in P.items():
        f, cont = FUNCS[name]
        for args in rows:
            v, k = condition(f, args, cont)
            a = list(args) + [0] * (4 - len(args))
            out.append('{"%s", {%s}, %s, %.3g},' % (name, ', '.join(fmt(x) for x in a),
                                                   mp.nstr(v, 20, min_fixed=1, max_fixed=0),
                                                   float(min(k, 1e300))))
    open('tests/numeric/reference/GammaEllipticReference.inc', 'w').write('\n'.join(out) + '\n')
    zl = ['// Generated by scripts/reference/gamma_elliptic.py (mpmath, 40 digits): do not edit.',
          '// The positive zeros of Ci below 200 as {hi, lo}, zero = hi + lo; the one'
          ' after the first lies next to n pi.']
    for z in zeros:
        hi, lo = split(z)
        zl.append('{%r, %r},' % (hi, lo))
    open('src/numeric/CosineIntegralZeros.inc', 'w').write('\n'.join(zl) + '\n')


if __name__ == '__main__':
    main()
