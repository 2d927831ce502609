#!/usr/bin/env python3
"""Writes tests/data/numerics/mpmath_reference.txt: density, cumulative and upper tail, computed with
mpmath at 40 digits, of the distributions whose referee is not Boost.Math in 50-digit precision (those
Boost lacks, our ENORM, and the non-central ones). Run from the repository's folder:
    python3 tools/numerics_reference.py [TYPE...]
Each line: TYPE PARAMETERS(comma-separated) X DENSITY CUMULATIVE UPPER (20 significant digits).
The studentized range points take one to several minutes each (nested quadrature)."""
import sys

import mpmath as mp

mp.mp.dps = 40


def ncdf(z):
    return mp.erfc(-z / mp.sqrt(2)) / 2


def nupper(z):
    return mp.erfc(z / mp.sqrt(2)) / 2


def npdf(z):
    return mp.exp(-z * z / 2) / mp.sqrt(2 * mp.pi)


def enorm(m, s, x):
    z = (mp.log(x) - mp.log(1 - x) - m) / s
    return npdf(z) / (s * x * (1 - x)), ncdf(z), nupper(z)


def gompertz(B, c, x):
    b = mp.log(c)
    H = B / b * (mp.power(c, x) - 1)
    return B * mp.power(c, x) * mp.exp(-H), 1 - mp.exp(-H), mp.exp(-H)


def llogistic(a, k, x):
    z = mp.power(x / a, k)
    return (k / a) * mp.power(x / a, k - 1) / (1 + z) ** 2, z / (1 + z), 1 / (1 + z)


def sev(m, s, x):
    e = mp.exp((x - m) / s)
    return e * mp.exp(-e) / s, 1 - mp.exp(-e), mp.exp(-e)


def duniform(n, k):
    return mp.mpf(1) / n, mp.mpf(k) / n, mp.mpf(n - k) / n


def benford(B, d):
    return mp.log(1 + mp.mpf(1) / d, B), mp.log(d + 1, B), 1 - mp.log(d + 1, B)


def zipf(rho, k):
    s = rho + 1
    z = mp.zeta(s)
    tail = mp.zeta(s, k + 1)
    return mp.power(k, -s) / z, 1 - tail / z, tail / z


def lseries(p, k):
    S = -mp.log(1 - p)
    tail = mp.power(p, k + 1) * mp.lerchphi(p, 1, k + 1)
    return mp.power(p, k) / (k * S), 1 - tail / S, tail / S


def poisson(mu, j):
    return mp.exp(-mu + j * mp.log(mu) - mp.loggamma(j + 1)) if mu > 0 else mp.mpf(j == 0)


def series(term, start_tol=mp.mpf(10) ** -45):
    total, j = mp.mpf(0), 0
    while True:
        t = term(j)
        total += t
        if j > 20 and abs(t) <= start_tol * abs(total):
            return total
        j += 1


def ncchisq(df, lam, x):
    w = lambda j: poisson(lam / 2, j)
    pdf = series(lambda j: w(j) * mp.exp((df / 2 + j - 1) * mp.log(x / 2) - x / 2 - mp.loggamma(df / 2 + j)) / 2)
    cdf = series(lambda j: w(j) * mp.gammainc(df / 2 + j, 0, x / 2, regularized=True))
    up = series(lambda j: w(j) * mp.gammainc(df / 2 + j, x / 2, mp.inf, regularized=True))
    return pdf, cdf, up


def ncf(d1, d2, lam, x):
    y = d1 * x / (d1 * x + d2)
    dy = d1 * d2 / (d1 * x + d2) ** 2
    w = lambda j: poisson(lam / 2, j)
    a = lambda j: d1 / 2 + j
    b = d2 / 2
    pdf = series(lambda j: w(j) * dy * mp.exp((a(j) - 1) * mp.log(y) + (b - 1) * mp.log(1 - y) - mp.log(mp.beta(a(j), b))))
    cdf = series(lambda j: w(j) * mp.betainc(a(j), b, 0, y, regularized=True))
    up = series(lambda j: w(j) * mp.betainc(a(j), b, y, 1, regularized=True))
    return pdf, cdf, up


def nct_cdf(nu, delta, t):
    if t < 0:
        return 1 - nct_cdf(nu, -delta, -t)
    y = t * t / (t * t + nu)
    h = delta * delta / 2
    pj = lambda j: mp.exp(-h + j * mp.log(h) - mp.loggamma(j + 1)) if h > 0 else mp.mpf(j == 0)
    qj = lambda j: delta * mp.exp(-h + j * mp.log(h) - mp.loggamma(j + mp.mpf(3) / 2)) / mp.sqrt(2) if h > 0 else (delta / mp.sqrt(2) / mp.gamma(mp.mpf(3) / 2) if j == 0 else 0)
    s = series(lambda j: pj(j) * mp.betainc(j + mp.mpf(1) / 2, nu / 2, 0, y, regularized=True)
               + qj(j) * mp.betainc(j + 1, nu / 2, 0, y, regularized=True))
    return ncdf(-delta) + s / 2


def nct(nu, delta, x):
    with mp.workdps(60):
        c = nct_cdf(nu, delta, x)
        d = mp.diff(lambda t: nct_cdf(nu, delta, t), x)
    return d, c, 1 - c


GL12 = mp.calculus.quadrature.GaussLegendre(mp.mp).calc_nodes(3, mp.mp.prec + 20)


def fixed_rule(f, a, b):
    mid, half = (a + b) / 2, (b - a) / 2
    return sum(wt * f(mid + half * x) for x, wt in GL12) * half


def range_inner(k, w, which):
    """W(w), 1 - W(w) and W'(w) of the range of k standard normals, over z on panels of a quarter of
    the peak's width (1/sqrt k near w = 0), kept where the integrand is within 1e-40 of its top."""
    if which == 0:
        f = lambda z: npdf(z) * (ncdf(z) - ncdf(z - w)) ** (k - 1)
    elif which == 1:
        f = lambda z: npdf(z) * (ncdf(z) ** (k - 1) - (ncdf(z) - ncdf(z - w)) ** (k - 1))
    else:
        f = lambda z: npdf(z) * npdf(z - w) * (ncdf(z) - ncdf(z - w)) ** (k - 2)
    step = min(mp.mpf(1) / 4, 1 / (4 * mp.sqrt(k)))
    n = int(18 / step)
    grid = mp.linspace(w / 2 - 9, w / 2 + 9, n + 1)
    values = [f(z) for z in grid]
    top = max(values)
    if top == 0:
        return mp.mpf(0)
    keep = [i for i, v in enumerate(values) if v > top * mp.mpf(10) ** -40]
    a, b = max(keep[0] - 1, 0), min(keep[-1] + 1, n)
    total = sum(fixed_rule(f, grid[i], grid[i + 1]) for i in range(a, b))
    if a == 0:
        total += mp.quad(f, [-mp.inf, grid[0]])
    if b == n:
        total += mp.quad(f, [grid[n], mp.inf])
    return (k if which < 2 else k * (k - 1)) * total


def panels_over_s(df, g, power, narrow=0):
    """The mixture of g(s) over s, by 12-point panels in x = ln s walked out from the integrand's peak
    until a panel adds less than 1e-22 of the sum. With power > 0, g grows like s^power where it
    matters (a small lower tail) and the peak is the weighted density's; otherwise it is searched on
    panels as narrow as a density weighted by s^narrow needs."""
    if df == mp.inf:
        return g(mp.mpf(1))
    a = df / 2
    lognorm = mp.log(2) + a * mp.log(a) - mp.loggamma(a)

    def F(x):
        return mp.exp(lognorm + df * (x - mp.exp(2 * x) / 2)) * g(mp.exp(x))

    A = df + power
    width = 2 / mp.sqrt(2 * (df + max(power, narrow)))
    if power > 0:
        start = mp.log(A / df) / 2
    else:
        xs = [mp.mpf(-0.5) - 45 / df + i * width for i in range(int((45 / df + 1) / width) + 2)]
        start = max(xs, key=F)
    total = mp.mpf(0)
    for direction in (1, -1):
        lo = start if direction == 1 else start - width
        while True:
            p = fixed_rule(F, lo, lo + width)
            total += p
            if p <= total * mp.mpf(10) ** -22:
                break
            lo += direction * width
    return total


def srange(k, df, q):
    k = int(k)
    with mp.workdps(20):
        return (panels_over_s(df, lambda s: s * range_inner(k, q * s, 2), 0, k - 1),
                panels_over_s(df, lambda s: range_inner(k, q * s, 0), k - 1),
                panels_over_s(df, lambda s: range_inner(k, q * s, 1), 0, k - 1))


def smm(k, df, q):
    lower = lambda w: mp.erf(w / mp.sqrt(2)) ** k
    upper = lambda w: 1 - mp.erf(w / mp.sqrt(2)) ** k
    dens = lambda w: 2 * k * mp.erf(w / mp.sqrt(2)) ** (k - 1) * npdf(w)
    return (panels_over_s(df, lambda s: s * dens(q * s), 0, k), panels_over_s(df, lambda s: lower(q * s), k),
            panels_over_s(df, lambda s: upper(q * s), 0, k))


CASES = [
    # type, parameters, function, points
    (2, (0, 1), enorm, ["1e-6", "0.01", "0.2", "0.5", "0.8", "0.99", "0.999999"]),
    (2, ("1.5", "0.3"), enorm, ["0.5", "0.7", "0.8", "0.9", "0.97"]),
    (12, ("0.3", "3"), gompertz, ["1e-8", "0.1", "0.5", "1", "2", "3"]),
    (12, ("0.01", "1.1"), gompertz, ["1", "10", "30", "60"]),
    (39, ("2", "3"), llogistic, ["1e-4", "0.5", "2", "5", "100"]),
    (39, ("1", "0.5"), llogistic, ["1e-10", "0.01", "1", "100", "1e8"]),
    (44, (0, 1), sev, ["-30", "-5", "-1", "0", "1", "2", "3.5"]),
    (44, ("10", "2.5"), sev, ["0", "9", "12", "14"]),
    (21, (10,), duniform, [1, 3, 9]),
    (35, (10,), benford, [1, 2, 5, 8]),
    (35, (16,), benford, [1, 7, 14]),
    (27, (2,), zipf, [1, 2, 5, 40, 1000]),
    (27, ("0.5",), zipf, [1, 3, 100, 100000]),
    (38, ("0.5",), lseries, [1, 2, 5, 20]),
    (38, ("0.99",), lseries, [1, 10, 100, 1000]),
    (40, (4, 2), ncchisq, ["0.01", "1", "3", "8", "20", "50"]),
    (40, ("2.5", 10), ncchisq, ["1", "10", "30"]),
    (41, (4, 6, 2), ncf, ["0.01", "0.5", "1", "3", "20"]),
    (41, (10, 20, 5), ncf, ["0.2", "1.5", "5"]),
    (42, (10, 1), nct, ["-2", "0", "1", "3", "8"]),
    (42, (5, "-0.5"), nct, ["-4", "-0.5", "2"]),
    (43, (1, 10), smm, ["0.5", "2.228", "6"]),
    (43, (3, 20), smm, ["0.5", "2.5", "5"]),
    (43, (100, 10), smm, ["0.2", "2", "4", "9"]),
    (43, (30, 2), smm, ["0.5", "5", "40"]),
    (20, (3, 10), srange, ["1", "3.877", "6"]),
    (20, (5, 20), srange, ["2"]),
    (20, (20, "inf"), srange, ["0.05", "1", "4", "8"]),
    (20, (50, "inf"), srange, ["0.2", "3", "5", "8"]),
    (20, (100, "inf"), srange, ["0.05", "2", "5", "7", "10"]),
    (20, (20, 2), srange, ["0.5", "9"]),
    (20, (50, 5), srange, ["1", "6"]),
    (20, (100, 10), srange, ["0.05", "5", "8"]),
]


def main():
    # With type numbers as arguments, only those types are computed again; the other lines of the table
    # are kept.
    only = {int(a) for a in sys.argv[1:]}
    path = "tests/data/numerics/mpmath_reference.txt"
    kept = {}
    if only:
        for line in open(path):
            if line[:1].isdigit():
                kept.setdefault(int(line.split()[0]), []).append(line.rstrip("\n"))
    out = []
    for t, params, f, points in CASES:
        if only and t not in only:
            out += kept.pop(t, [])
            continue
        ps = [mp.mpf(p) for p in params]
        for x in points:
            # At the double the test reads, not at the decimal text.
            xv = mp.mpf(float(x))
            pdf, cdf, up = f(*ps, xv)
            out.append(" ".join([str(t), ",".join(str(p) for p in params), str(x),
                                 mp.nstr(pdf, 20), mp.nstr(cdf, 20), mp.nstr(up, 20)]))
            print(out[-1], flush=True)
    with open(path, "w") as fh:
        fh.write("# Generated by tools/numerics_reference.py with mpmath; do not edit.\n")
        fh.write("# TYPE PARAMETERS X DENSITY CUMULATIVE UPPER\n")
        fh.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
