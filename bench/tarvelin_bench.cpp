// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks: one whole calculation (birth run, retrograde marks, three
// sunrises, sunrise run, special lagnas) under the classic rules and under
// the centre rule, with and without the result window's texts, and the
// throughput of --batch --json over 100,000 generated births, run in-process.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>

#include "chart/calculate.h"
#include "cli/batch.h"
#include "present/result_view.h"

namespace tarvelin {
namespace {

Birth DelhiEveningBirth() {
  Birth birth;
  birth.name = "RAM";
  birth.local = {1980, 3, 15, 21, 5, 30};
  birth.longitudeDegrees = 77 + 12 / 60.0;
  birth.latitudeDegrees = 28 + 36 / 60.0;
  return WithZoneEntry(birth, 34, false);  // Indian Time
}

// The numbers alone.
void BM_Calculate(benchmark::State& state) {
  const Birth birth = DelhiEveningBirth();
  for (auto _ : state) {
    benchmark::DoNotOptimize(Calculate(birth));
  }
}
BENCHMARK(BM_Calculate);

// The numbers under the traditional Hindu sunrise (the disc's centre on the
// horizon, found by iterating on the engine's Sun), with another ayanamsa.
void BM_CalculateCentre(benchmark::State& state) {
  const Birth birth = DelhiEveningBirth();
  const CalculationOptions options{SunriseRule::kCentre, Ayanamsa::kLahiri};
  for (auto _ : state) {
    benchmark::DoNotOptimize(Calculate(birth, options));
  }
}
BENCHMARK(BM_CalculateCentre);

// The numbers and the texts of the result window.
void BM_CalculateAndPresent(benchmark::State& state) {
  const Birth birth = DelhiEveningBirth();
  for (auto _ : state) {
    benchmark::DoNotOptimize(PresentResult(birth, Calculate(birth)));
  }
}
BENCHMARK(BM_CalculateAndPresent);

// A stream buffer that only counts what is written to it.
class CountingBuffer : public std::streambuf {
 public:
  std::int64_t bytes = 0;

 protected:
  int_type overflow(int_type c) override {
    ++bytes;
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    bytes += n;
    return n;
  }
};

// `rows` births spread over the whole year range, the zone list and both
// hemispheres, from a fixed-seed generator so every run reads the same file.
std::string GeneratedCsv(int rows) {
  std::uint64_t seed = 0x9E3779B97F4A7C15ULL;
  const auto next = [&seed](int below) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((seed >> 33) % static_cast<std::uint64_t>(below));
  };
  std::ostringstream csv;
  csv << "name,date,time,lon,lat,zone,dst\n";
  char row[128];
  for (int i = 0; i < rows; ++i) {
    std::snprintf(row, sizeof row,
                  "PERSON,%04d-%02d-%02d,%02d:%02d:%02d,%d:%02d%c,%d:%02d%c,%d,"
                  "%d\n",
                  1901 + next(150), 1 + next(12), 1 + next(28), next(24),
                  next(60), next(60), next(180), next(60), next(2) ? 'E' : 'W',
                  next(66), next(60), next(2) ? 'N' : 'S', next(71), next(2));
    csv << row;
  }
  return csv.str();
}

void BM_BatchJson(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string csv = GeneratedCsv(rows);
  std::int64_t bytes = 0;
  for (auto _ : state) {
    std::istringstream in(csv);
    CountingBuffer sink;
    std::ostream out(&sink);
    const cli::BatchSummary summary = cli::RunBatch(in, out);
    benchmark::DoNotOptimize(summary);
    bytes += sink.bytes;
  }
  state.SetItemsProcessed(state.iterations() * rows);
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_BatchJson)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tarvelin

BENCHMARK_MAIN();
