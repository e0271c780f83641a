#!/usr/bin/python3
"""Writes the raw data fixture of the goodness-of-fit tests and the values scipy gives for it.

The data are 2000 values drawn from the normal distribution with mean 10 and standard deviation 2. The expected
Kolmogorov-Smirnov distance, its asymptotic p-value and the Anderson-Darling A^2 are computed against the exact
normal CDF; the test compares them with the program's values against a finely binned histogram of that
distribution. Needs python3-scipy (only to regenerate the fixture; the tests read the committed files).
"""
import os

import numpy as np
from scipy import stats

here = os.path.dirname(os.path.abspath(__file__))
folder = os.path.join(here, "..", "tests", "fixtures", "rawdata")
os.makedirs(folder, exist_ok=True)

rng = np.random.default_rng(20261210)
texts = ["%.10g" % v for v in rng.normal(10.0, 2.0, 2000)]
with open(os.path.join(folder, "normal-2000.txt"), "w", newline="") as f:
    f.write("\n".join(texts) + "\n")

# The values exactly as the program reads them back.
x = np.sort(np.array([float(t) for t in texts]))
model = stats.norm(10.0, 2.0)
ks = stats.kstest(x, model.cdf, method="asymp")
n = len(x)
i = np.arange(1, n + 1)
ad = -n - np.sum((2 * i - 1) * (model.logcdf(x) + model.logsf(x[::-1]))) / n
# The asymptotic p-value of the two-sided statistic is the Kolmogorov distribution's tail at sqrt(N) D.
p = stats.kstwobign.sf(np.sqrt(n) * ks.statistic)

with open(os.path.join(folder, "normal-2000.expected"), "w") as f:
    f.write("ks_d %.17g\n" % ks.statistic)
    f.write("ks_p %.17g\n" % p)
    f.write("ad %.17g\n" % ad)
    for lam in (0.3, 0.5, 0.8, 1.0, 1.18, 1.36, 2.0):
        f.write("kolmogorov %.17g %.17g\n" % (lam, stats.kstwobign.sf(lam)))

# Skewed data with a Gamma shape below 1 (s above the mean) for the fit ranking tests.
rng = np.random.default_rng(5)
with open(os.path.join(folder, "gamma-3000.txt"), "w", newline="") as f:
    f.write("\n".join("%.6f" % v for v in rng.gamma(0.6, 1.0, 3000)) + "\n")
