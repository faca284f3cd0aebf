// Loading the operator database: the whole file read and parsed (goal: at
// most 50 ms), and what the loaded database holds in memory (goal: at most
// 5 MiB), counted by the allocations alive once it is loaded.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#include "operators/operator_database_loader.h"
#include "operators/operator_database_reader.h"
#include "operators/operator_search.h"

namespace {

// Every allocation of this program goes through here: a header in front of
// each block keeps its size, so that frees are counted too.
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  const std::size_t live = liveBytes += size;
  std::size_t peak = peakBytes.load();
  while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
  }
  return block + kHeader;
}

void Free(void* pointer) {
  if (pointer == nullptr) return;
  auto* block = static_cast<unsigned char*>(pointer) - kHeader;
  liveBytes -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* pointer) noexcept { Free(pointer); }
void operator delete[](void* pointer) noexcept { Free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Free(pointer); }

namespace quelmo {
namespace {

void LoadWholeDatabase(benchmark::State& state) {
  const std::filesystem::path path = QUELMO_OPERATOR_BENCH_DATA;
  std::size_t held = 0;
  std::size_t peak = 0;
  for (auto _ : state) {
    const std::size_t before = liveBytes;
    peakBytes = before;
    auto database = ReadOperatorDatabaseFile(SystemFileSystem(), path);
    if (!database.ok()) {
      state.SkipWithError(database.message().c_str());
      return;
    }
    held = liveBytes - before;
    peak = peakBytes - before;
    benchmark::DoNotOptimize(database);
  }
  state.counters["held_MiB"] = static_cast<double>(held) / (1 << 20);
  state.counters["peak_MiB"] = static_cast<double>(peak) / (1 << 20);
}
BENCHMARK(LoadWholeDatabase)->Unit(benchmark::kMillisecond);


// The finder filters the whole database again at every keystroke: each
// prefix of a name typed with no country chosen, the slowest case (goal: at
// most 5 ms a keystroke).
void SearchEveryKeystroke(benchmark::State& state) {
  auto database = ReadOperatorDatabaseFile(SystemFileSystem(), QUELMO_OPERATOR_BENCH_DATA);
  if (!database.ok()) {
    state.SkipWithError(database.message().c_str());
    return;
  }
  const std::string typed = "vodafone";
  for (auto _ : state) {
    for (std::size_t length = 1; length <= typed.size(); ++length) {
      benchmark::DoNotOptimize(SearchOperators(*database, "", typed.substr(0, length)));
    }
  }
  // Seconds of CPU per keystroke (printed with its SI prefix: 6u is 6 µs).
  state.counters["per_keystroke_s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * typed.size()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SearchEveryKeystroke)->Unit(benchmark::kMillisecond);

// The worst a hostile database and search text can make a search: the
// reader's largest provider count, each with names at the reader's length cap
// that almost hold the text at every position (goal: at most 100 ms for a
// 1,001-character text, where a search by trial at each position took
// seconds). The search grows with the names' length, not with its product
// with the text's.
void SearchHostileText(benchmark::State& state) {
  const OperatorDatabaseLimits limits;
  OperatorDatabase database;
  OperatorCountry& country = database.countries.emplace_back(OperatorCountry{"xx", {}});
  const std::string name(limits.textBytes, 'a');
  for (std::size_t i = 0; i < 1000; ++i) country.providers.push_back({name, {name}, {}, {}});
  const std::string text = std::string(static_cast<std::size_t>(state.range(0)) - 1, 'a') + "b";
  for (auto _ : state) benchmark::DoNotOptimize(SearchOperators(database, "", text));
}
BENCHMARK(SearchHostileText)->Arg(64)->Arg(1001)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelmo
