#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
"""The record pipeline as an engineer would write it with pandas and numpy,
for the record benchmark to run beside `weir-head flow|head --column`: the
same formula in the same order of operations, the same units, every column
and row of the record kept, the answers appended (flow_lpm to 0.01, flow_m3s
to 0.0000001; head_mm to 0.01 and trials), a reason for a row without one,
and the volume by the trapezoidal rule between good readings.

    pandas_pipeline.py flow WIDTH_MM COLUMN TIME_COLUMN < heads.csv > flows.csv
    pandas_pipeline.py head WIDTH_MM COLUMN MIN_MM MAX_MM < flows.csv > heads.csv
"""
import sys

import numpy as np
import pandas as pd


def discharge(head_m, width_m):
    with np.errstate(all="ignore"):
        ratio = head_m / width_m
        contraction = 1.0 - np.sqrt(ratio) / 10.0
        low_head = 1 + 0.0012 / head_m
        return 1.838 * low_head * contraction * width_m * head_m**1.5


def flows(record, width_mm, column, time_column):
    text = record[column]
    head_mm = pd.to_numeric(text, errors="coerce").to_numpy()
    q = discharge(head_mm / 1000.0, width_mm / 1000.0)
    good = np.isfinite(q) & (head_mm > 0)
    record["flow_lpm"] = np.where(good, np.round(q * 1000 * 60, 2), np.nan)
    record["flow_m3s"] = np.where(good, np.round(q, 7), np.nan)
    record["reason"] = np.where(
        text == "", "値がありません。",
        np.where(~good, "越流高さ(mm)が数値ではありません。",
                 np.where(head_mm < 20, "20mm未満は公式の適用範囲外です。", "")))
    times = pd.to_datetime(record[time_column], format="%Y-%m-%dT%H:%M").to_numpy().astype("int64") / 1e9
    both = good[1:] & good[:-1]
    volume = np.sum(((q[1:] + q[:-1]) / 2 * np.diff(times))[both])
    print(f"通過した水量: {volume:.3f} m³", file=sys.stderr)


def heads(record, width_mm, column, min_mm, max_mm):
    text = record[column]
    flow = pd.to_numeric(text, errors="coerce").to_numpy() / 1000 / 60
    width = width_mm / 1000.0
    lower = np.full(flow.shape, min_mm / 1000.0)
    upper = np.full(flow.shape, max_mm / 1000.0)
    middle = np.full(flow.shape, np.nan)
    trials = np.zeros(flow.shape, dtype=np.int64)
    searching = np.isfinite(flow)
    found = np.zeros(flow.shape, dtype=bool)
    while searching.any():
        at_upper = discharge(upper, width) - flow
        at_lower = discharge(lower, width) - flow
        mid = (upper + lower) / 2
        at_middle = discharge(mid, width) - flow
        trials[searching] += 1
        middle[searching] = mid[searching]
        converged = searching & (np.abs(at_middle) < 0.00001)
        raise_lower = searching & ~converged & (at_upper * at_middle < 0)
        lower_upper = searching & ~converged & ~raise_lower & (at_lower * at_middle < 0)
        stuck = (raise_lower & (mid == lower)) | (lower_upper & (mid == upper))
        found |= converged
        lower = np.where(raise_lower, mid, lower)
        upper = np.where(lower_upper, mid, upper)
        searching = (raise_lower | lower_upper) & ~stuck
    shown = np.round(np.round(middle, 5) * 1000, 2)
    record["head_mm"] = np.where(found, shown, np.nan)
    record["trials"] = np.where(found, trials, -1)
    record["trials"] = record["trials"].astype(str).where(found, "")
    record["reason"] = np.where(text == "", "値がありません。",
                                np.where(~found, "解がありません。挟込範囲を変更して下さい。", ""))


def main():
    mode, width_mm, column = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    record = pd.read_csv(sys.stdin, dtype=str, keep_default_na=False)
    if mode == "flow":
        flows(record, width_mm, column, sys.argv[4])
    else:
        heads(record, width_mm, column, float(sys.argv[4]), float(sys.argv[5]))
    record.to_csv(sys.stdout, index=False, na_rep="")
    print(f"{len(record)}行", file=sys.stderr)


if __name__ == "__main__":
    main()
