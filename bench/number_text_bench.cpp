// The four numeric text rules, and ParseNumber on hostile texts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "number_text.h"

namespace dephlegmator {
namespace {

void Parse(benchmark::State& bench, const std::string& text) {
    for (auto _ : bench) {
        try {
            benchmark::DoNotOptimize(ParseNumber(text));
        } catch (const CalcError&) {
        }
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK_CAPTURE(Parse, whole, std::string("78"));
BENCHMARK_CAPTURE(Parse, decimal_with_unit, std::string(" 12.5 °C"));
BENCHMARK_CAPTURE(Parse, exponent, std::string("8.55673576237286E+20"));
BENCHMARK_CAPTURE(Parse, hex, std::string("&HFFFF"));

constexpr std::size_t kMegabyte = 1 << 20;
BENCHMARK_CAPTURE(Parse, hostile_megabyte_after_40, "40" + std::string(kMegabyte, 'x'));
BENCHMARK_CAPTURE(Parse, hostile_megabyte_of_blanks, std::string(kMegabyte, ' ') + "40");
BENCHMARK_CAPTURE(Parse, hostile_megabyte_of_nines, std::string(kMegabyte, '9'));
BENCHMARK_CAPTURE(Parse, hostile_megabyte_of_fraction, "0." + std::string(kMegabyte, '9'));
BENCHMARK_CAPTURE(Parse, hostile_hex_10000_digits, "&H" + std::string(10'000, 'F'));
BENCHMARK_CAPTURE(Parse, hostile_hex_10000_zeros, "&H" + std::string(10'000, '0'));
BENCHMARK_CAPTURE(Parse, hostile_10000_digits, std::string(10'000, '1'));
BENCHMARK_CAPTURE(Parse, hostile_10000_digits_and_exponent, std::string(10'000, '1') + "E-9990");
BENCHMARK_CAPTURE(Parse, hostile_exponent_overflow, std::string("1E999999999999"));
BENCHMARK_CAPTURE(Parse, hostile_exponent_underflow, std::string("1E-999999999999"));
BENCHMARK_CAPTURE(Parse, hostile_control_and_utf8,
                  std::string("\x01\xff\xfe"
                              "40\x1b[2J"));

void Round(benchmark::State& bench) {
    double x = 3.3714893617021278;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(RoundDecimals(x, 2));
    }
}
BENCHMARK(Round);

void Format(benchmark::State& bench, double x) {
    for (auto _ : bench) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(FormatNumber(x, ","));
    }
}
BENCHMARK_CAPTURE(Format, whole, 5282.0);
BENCHMARK_CAPTURE(Format, third, 1.0 / 3);
BENCHMARK_CAPTURE(Format, exponent, 8.55673576237286e20);

void FormatRoundedFlow(benchmark::State& bench) {
    double x = 3.3714893617021278;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(FormatRounded(x, 2, "."));
    }
}
BENCHMARK(FormatRoundedFlow);

}  // namespace
}  // namespace dephlegmator
