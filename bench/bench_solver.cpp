// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
// The cost of one residual evaluation, and of a whole solve compared with the
// bare cost of the residual evaluations it makes: the bisection's own
// bookkeeping should be lost in the square root and the power.

#include "hydraulics/bisection.h"
#include "hydraulics/weir_formula.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

using namespace weir;

namespace {

struct SolveCase {
    const char *name;
    double flow, width, lower, upper; // m^3/s, m, m, m
};

// Worked example; a wide bracket; a search that runs out of doubles.
constexpr std::array<SolveCase, 3> kCases{{
    {"worked_example", (300.0 / 1000) / 60, 0.3, 0.02, 0.1},
    {"wide_bracket", (300.0 / 1000) / 60, 0.3, 0.000001, 1.0},
    {"to_adjacent_doubles", 1e6, 1e4, 1e-3, 1e6},
}};

// The heads a solve evaluates the residual at, in order.
std::vector<double> evaluatedHeads(const SolveCase &c)
{
    std::vector<double> heads;
    bisectHead(
        [&heads](double head, double flow, double width) {
            heads.push_back(head);
            return weirResidual(head, flow, width);
        },
        c.flow, c.width, c.lower, c.upper);
    return heads;
}

void residual(benchmark::State &state)
{
    std::array<double, 64> heads{};
    for (std::size_t i = 0; i < heads.size(); ++i)
        heads[i] = 0.02 + 0.001 * double(i);
    std::size_t i = 0;
    for (auto _ : state) {
        double head = heads[i++ & 63];
        benchmark::DoNotOptimize(head);
        benchmark::DoNotOptimize(weirResidual(head, 0.005, 0.3));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(residual);

void solve(benchmark::State &state)
{
    const SolveCase &c = kCases[std::size_t(state.range(0))];
    const auto evaluations = double(evaluatedHeads(c).size());
    for (auto _ : state) {
        double flow = c.flow, width = c.width, lower = c.lower, upper = c.upper;
        benchmark::DoNotOptimize(flow);
        benchmark::DoNotOptimize(lower);
        benchmark::DoNotOptimize(solveHead(flow, width, lower, upper));
    }
    state.SetLabel(c.name);
    state.counters["evaluations"] = evaluations;
    // Seconds per evaluation, printed with an SI prefix (13.9n = 13.9 ns).
    state.counters["time_per_evaluation"]
        = benchmark::Counter(evaluations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(solve)->DenseRange(0, int(kCases.size()) - 1);

// The same residual evaluations as solve/N, with no search around them.
void bare_evaluations(benchmark::State &state)
{
    const SolveCase &c = kCases[std::size_t(state.range(0))];
    const std::vector<double> heads = evaluatedHeads(c);
    for (auto _ : state) {
        for (double head : heads)
            benchmark::DoNotOptimize(weirResidual(head, c.flow, c.width));
    }
    state.SetLabel(c.name);
    state.counters["evaluations"] = double(heads.size());
}
BENCHMARK(bare_evaluations)->DenseRange(0, int(kCases.size()) - 1);

} // namespace

BENCHMARK_MAIN();
