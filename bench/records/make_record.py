#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
"""Writes a level logger's record for the record benchmark: a reading a
minute from 2026-01-01, the head (20-100 mm, to 0.01 mm) or the flow
(100-900 L/min, to 0.1 L/min) swinging daily as a weir's would, with one
reading in ten thousand missing.

    make_record.py heads ROWS > heads.csv     time,head_mm
    make_record.py flows ROWS > flows.csv     time,flow_lpm
    make_record.py fine-flows ROWS > ...      the same to 0.0001 L/min: nearly
                                              every value different
"""
import datetime
import sys

import numpy as np


def main():
    kind, rows = sys.argv[1], int(sys.argv[2])
    rng = np.random.default_rng(20261209)
    start = datetime.datetime(2026, 1, 1)
    column = "head_mm" if kind == "heads" else "flow_lpm"
    low, high, decimals = {"heads": (20.0, 100.0, 2), "flows": (100.0, 900.0, 1),
                           "fine-flows": (100.0, 900.0, 4)}[kind]
    out = sys.stdout
    out.write(f"time,{column}\n")
    chunk = 200_000
    minute = datetime.timedelta(minutes=1)
    for first in range(0, rows, chunk):
        n = min(chunk, rows - first)
        # A daily swing between the bounds with some noise, as a weir's
        # level goes; never past the bounds, where the formula's range or the
        # bracket would end.
        minutes = np.arange(first, first + n)
        swing = 0.5 + 0.45 * np.sin(2 * np.pi * minutes / 1440.0)
        noise = rng.normal(0.0, 0.01, n)
        values = low + (high - low) * np.clip(swing + noise, 0.0, 1.0)
        texts = np.char.mod(f"%.{decimals}f", values)
        missing = rng.random(n) < 1e-4
        texts[missing] = ""
        lines = []
        for i in range(n):
            t = start + (first + i) * minute
            lines.append(f"{t:%Y-%m-%dT%H:%M},{texts[i]}\n")
        out.write("".join(lines))


if __name__ == "__main__":
    main()
