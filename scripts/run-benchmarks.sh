#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Installs what is missing, makes a release build with the benchmarks, and runs
# the solver benchmark, the start-up benchmark (on a private Xvfb screen) and
# the record pipeline against pandas.
#   run-benchmarks.sh [ROUNDS]     rounds of the start-up comparison, default 41
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"

install_missing "${PROGRAM_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
configure_and_build "$ROOT/build-bench" -DWEIR_BENCH=ON
bench="$ROOT/build-bench/bench"
export WEIR_HEAD_MODULE_PATH="$ROOT/build-bench/modules"

echo "== solver"
"$bench/bench_solver" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo
echo "== start-up"
bash "$ROOT/bench/startup.sh" "$bench/startup_window" "$bench/startup_empty" "${1:-41}" "$bench/startup_caption" \
    "$bench/startup_rating"
echo
echo "== records"
bash "$ROOT/bench/records.sh" "$ROOT/build-bench/app/weir-head"
