#!/usr/bin/python3
"""The risk run of bench/bench_risk.cpp written as a scientist would in NumPy, for comparison.

Default model (fecundities 0, 1, 2, 1; survival rates 0.5, 1, 0.5; N(0) = 10 each;
H = 5, 0, 0, 0), survival CV 0.1 (beta), fecundity CV 0.3 (lognormal), threshold 1.
All replicates advance together, one vectorised year at a time, with NumPy's PCG64 generator
and its ziggurat samplers; every year gives the risk, the five percentiles and the mean total,
as Velmora's run does. Prints the seconds of the best of the runs.

Usage: risk_numpy.py [replicates] [steps] [runs]
"""
import sys
import time

import numpy as np

F = np.array([0.0, 1.0, 2.0, 1.0])
S = np.array([0.5, 1.0, 0.5])
N0 = np.array([10.0, 10.0, 10.0, 10.0])
H = np.array([5.0, 0.0, 0.0, 0.0])
CV_SURVIVAL = 0.1
CV_FECUNDITY = 0.3
THRESHOLD = 1.0
PERCENTILES = [5, 25, 50, 75, 95]


def run(replicates, steps, seed=1):
    rng = np.random.default_rng(seed)
    # Beta parameters of the survival rates that vary; lognormal ones of the fecundities.
    varies_s = (S > 0) & (S < 1)
    s_var = (CV_SURVIVAL * S[varies_s]) ** 2
    k = S[varies_s] * (1 - S[varies_s]) / s_var - 1
    a, b = S[varies_s] * k, (1 - S[varies_s]) * k
    varies_f = F > 0
    sigma = np.sqrt(np.log1p(CV_FECUNDITY ** 2))
    mu = np.log(F[varies_f]) - sigma ** 2 / 2

    n = np.tile(N0, (replicates, 1))
    lost = n.sum(axis=1) < THRESHOLD
    risk = np.empty(steps + 1)
    pct = np.empty((len(PERCENTILES), steps + 1))
    mean = np.empty(steps + 1)
    total = n.sum(axis=1)
    risk[0], pct[:, 0], mean[0] = lost.mean(), np.percentile(total, PERCENTILES), total.mean()
    s = np.tile(S, (replicates, 1))
    f = np.tile(F, (replicates, 1))
    for t in range(1, steps + 1):
        s[:, varies_s] = rng.beta(a, b, size=(replicates, a.size))
        f[:, varies_f] = rng.lognormal(mu, sigma, size=(replicates, mu.size))
        births = (f * n).sum(axis=1)
        n = np.column_stack((births, s * n[:, :3])) - H
        np.maximum(n, 0, out=n)
        total = n.sum(axis=1)
        lost |= total < THRESHOLD
        risk[t] = lost.mean()
        pct[:, t] = np.percentile(total, PERCENTILES)
        mean[t] = total.mean()
    return risk, pct, mean


def main():
    replicates = int(sys.argv[1]) if len(sys.argv) > 1 else 10000
    steps = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        risk, _, _ = run(replicates, steps)
        best = min(best, time.perf_counter() - start)
    print(f"{best:.3f} s  ({replicates} x {steps}, risk at the end {risk[-1]:.4f})")


if __name__ == "__main__":
    main()
