// datacomp-report reading and evaluating 1,000,000 records from a file, as
// a collection from many machines would be. "peak_rss_MB" is the process's
// peak memory after the runs (the generation of the file takes little).
#include <benchmark/benchmark.h>
#include <fmt/format.h>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "report/evaluation.h"
#include "report/results_reader.h"

namespace {

using namespace datacomp::report;

constexpr int kRecords = 1000000;
constexpr int kMachines = 40;

const std::string& ResultsFile() {
  static const std::string path = [] {
    std::string name = "/tmp/datacomp-report-bench.txt";
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    for (int r = 0; r < kRecords; ++r) {
      const int machine = r % kMachines;
      if (r > 0) file << "\r\n";
      file << fmt::format("Vendor{0};Processor {0} Model {1}/x86 Family 6 Model {0} Stepping 1;"
                          "{2};{3};Windows XP Service Pack 2;R{4};",
                          machine, machine * 7, 1000 + machine * 50, 1 + machine % 8, r % 97);
      for (int t = 0; t < 16; ++t) {
        file << fmt::format("{}.{:04};", 1 + (r + t) % 3, (r * 7 + t * 13) % 10000);
      }
    }
    return name;
  }();
  return path;
}

void ReadAndEvaluateMillionRecords(benchmark::State& state) {
  const std::string& path = ResultsFile();
  for (auto _ : state) {
    MachineTable machines;
    std::vector<SkippedRecord> skipped;
    std::ifstream file(path, std::ios::binary);
    ResultsReader(machines, skipped).Read(file, path);
    const Evaluation evaluation = Evaluate(machines);
    benchmark::DoNotOptimize(evaluation.machines.data());
    if (evaluation.records != static_cast<std::size_t>(kRecords) || !skipped.empty()) {
      state.SkipWithError("records lost");
    }
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
  state.counters["records"] = kRecords;
}

BENCHMARK(ReadAndEvaluateMillionRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
