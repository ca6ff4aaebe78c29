// The cost of one residual evaluation, and of a whole solve compared with the
// bare cost of the residual evaluations it makes. The goal is a solve costing
// at most 1.5 times those evaluations: the bisection's own bookkeeping should
// be lost in the square root and the power.

#include "bisection_solver.h"
#include "weir_residual.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

struct SolveCase {
    const char *name;
    double Q, BW, XL, XU; // SI units
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
    bisectHead([&heads](double X, double A0, double b) { heads.push_back(X); return FN1(X, A0, b); },
               c.Q, c.BW, c.XL, c.XU);
    return heads;
}

void residual(benchmark::State &state)
{
    std::array<double, 64> heads{};
    for (std::size_t i = 0; i < heads.size(); ++i)
        heads[i] = 0.02 + 0.001 * double(i);
    std::size_t i = 0;
    for (auto _ : state) {
        double X = heads[i++ & 63];
        benchmark::DoNotOptimize(X);
        benchmark::DoNotOptimize(FN1(X, 0.005, 0.3));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(residual);

void solve(benchmark::State &state)
{
    const SolveCase &c = kCases[std::size_t(state.range(0))];
    const auto evaluations = double(evaluatedHeads(c).size());
    for (auto _ : state) {
        double Q = c.Q, BW = c.BW, XL = c.XL, XU = c.XU;
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(XL);
        benchmark::DoNotOptimize(solveHead(Q, BW, XL, XU));
    }
    state.SetLabel(c.name);
    state.counters["evaluations"] = evaluations;
    // Seconds per evaluation, printed with an SI prefix (13.9n = 13.9 ns).
    state.counters["time_per_evaluation"] = benchmark::Counter(
        evaluations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(solve)->DenseRange(0, int(kCases.size()) - 1);

// The same residual evaluations as solve/N, with no search around them.
void bare_evaluations(benchmark::State &state)
{
    const SolveCase &c = kCases[std::size_t(state.range(0))];
    const std::vector<double> heads = evaluatedHeads(c);
    const double Q = c.Q;
    const double BW = c.BW;
    for (auto _ : state) {
        for (double X : heads)
            benchmark::DoNotOptimize(FN1(X, Q, BW));
    }
    state.SetLabel(c.name);
    state.counters["evaluations"] = double(heads.size());
}
BENCHMARK(bare_evaluations)->DenseRange(0, int(kCases.size()) - 1);

} // namespace

BENCHMARK_MAIN();
