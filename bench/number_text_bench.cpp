// The four numeric text rules, ParseNumber on hostile texts, and the standard library's
// conversions beside the exact ones that WebAssembly takes in their place.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>

#include "decimal_conversion.h"
#include "exact_decimal.h"
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

using Reader = std::from_chars_result (*)(const char*, const char*, double&);
void ReadDecimal(benchmark::State& bench, Reader read, const std::string& text) {
    for (auto _ : bench) {
        double value = 0;
        benchmark::DoNotOptimize(read(text.data(), text.data() + text.size(), value));
        benchmark::DoNotOptimize(value);
    }
}
// A typed input, a 17-digit result read back, and the halfway point between 1 and the next
// double, whose 53 digits the exact reading cannot settle by its quick path.
constexpr const char* kHalfwayAfterOne = "1.00000000000000011102230246251565404236316680908203125";
BENCHMARK_CAPTURE(ReadDecimal, standard_typed, FromChars, std::string("12.5"));
BENCHMARK_CAPTURE(ReadDecimal, exact_typed, ExactFromChars, std::string("12.5"));
BENCHMARK_CAPTURE(ReadDecimal, standard_17_digits, FromChars, std::string("8.5567357623728613e20"));
BENCHMARK_CAPTURE(ReadDecimal, exact_17_digits, ExactFromChars,
                  std::string("8.5567357623728613e20"));
BENCHMARK_CAPTURE(ReadDecimal, standard_halfway, FromChars, std::string(kHalfwayAfterOne));
BENCHMARK_CAPTURE(ReadDecimal, exact_halfway, ExactFromChars, std::string(kHalfwayAfterOne));

using Writer = std::to_chars_result (*)(char*, char*, double, int);
void WriteDecimal(benchmark::State& bench, Writer write, double x) {
    char buffer[32];
    for (auto _ : bench) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(write(buffer, buffer + sizeof buffer, x, 14));
    }
}
// 15 significant digits of a third, and of an exact tie, which the exact writing settles by
// whole-number arithmetic.
BENCHMARK_CAPTURE(WriteDecimal, standard_third, ToChars, 1.0 / 3);
BENCHMARK_CAPTURE(WriteDecimal, exact_third, ExactToChars, 1.0 / 3);
BENCHMARK_CAPTURE(WriteDecimal, standard_tie, ToChars, 100000000000000.5);
BENCHMARK_CAPTURE(WriteDecimal, exact_tie, ExactToChars, 100000000000000.5);

}  // namespace
}  // namespace dephlegmator
