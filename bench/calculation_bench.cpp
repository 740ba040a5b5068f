// Time of one weight calculation as the window runs it ("6000" mm, "4" pieces of a 10.8 kg/m
// section: parse both texts, multiply, format), and of each step on its own, including the slow
// paths of the exact conversions.

#include "Numeric.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void oneCalculation(benchmark::State &state)
{
    for (auto _ : state) {
        const long double length = numeric::parseLength("6000", ".");
        const std::int32_t quantity = numeric::parseQuantity("4");
        const long double weight = numeric::computeWeight(10.8L, length, quantity);
        std::string text = numeric::formatWeight(weight);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(oneCalculation);

void parseLengthText(benchmark::State &state, const std::string &text)
{
    for (auto _ : state) {
        long double length = numeric::parseLength(text, ".");
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK_CAPTURE(parseLengthText, ordinary, std::string("6000"));
BENCHMARK_CAPTURE(parseLengthText, fraction, std::string("1234.5678"));
BENCHMARK_CAPTURE(parseLengthText, twenty_five_digits, std::string("1234567890.123456789012345"));
BENCHMARK_CAPTURE(parseLengthText, large_exponent, std::string("1.5E4000"));
BENCHMARK_CAPTURE(parseLengthText, subnormal, std::string("3.6451995318824746025e-4951"));
BENCHMARK_CAPTURE(parseLengthText, longest_text,
                  std::string("0.") + std::string(4930, '0') + std::string(27000, '7') + "E-12");

void parseQuantityText(benchmark::State &state)
{
    for (auto _ : state) {
        std::int32_t quantity = numeric::parseQuantity("4");
        benchmark::DoNotOptimize(quantity);
    }
}
BENCHMARK(parseQuantityText);

void formatWeightText(benchmark::State &state, long double weight)
{
    for (auto _ : state) {
        std::string text = numeric::formatWeight(weight);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK_CAPTURE(formatWeightText, ordinary, 259.2L);
BENCHMARK_CAPTURE(formatWeightText, large, 1.234e30L);
BENCHMARK_CAPTURE(formatWeightText, scientific, 3.41e37L);
BENCHMARK_CAPTURE(formatWeightText, largest, 1.18e4932L);
BENCHMARK_CAPTURE(formatWeightText, subnormal, 0x1p-16445L);

} // namespace

BENCHMARK_MAIN();
