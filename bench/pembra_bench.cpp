// The dictionary library against baselines that do the same work plainly:
//   Read/<format>            Dictionary::Read of a 20,000-entry file from a file stream,
//   PlainRead/<format>       the same bytes from the same kind of stream into one buffer;
//   ReadAll/<format>         Read, then the first Lookup of every entry, against Read: values
//                            are converted at their first lookup, and this shows what that adds;
//   Lookup/<format>/<probe>  Dictionary::Lookup of a literal, then Quillet::GetUnicode,
//   LookupBaseline/<probe>   the literal split, found in a std::unordered_map and its text
//                            copied into the same kind of buffer (a default text decoded from
//                            UTF-8 and its escapes converted when the key is absent).
// Probes: "present" keys, "absent" keys with a plain default text, "escaped" absent keys whose
// default text holds escapes, entities and non-ASCII characters. After the runs a table gives
// each benchmark's time over its baseline's. "allocs" counts heap allocations per iteration.
//
// With --write_dictionary=<format>:<path> the program only writes the dictionary file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "Baselines.h"
#include "RealisticDictionary.h"
#include "os/TextEncoding.h"
#include "pembra/pembra.h"

// Every heap allocation of the process, counted for the "allocs" column.
static std::size_t gAllocations = 0;
void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using bench::Format;

constexpr int kEntries = 20000;
constexpr std::size_t kBufferUnits = 1024;
const pembra::EncodingInfo kUtf8{pembra::EncodingInfo::kUTF8};

const std::vector<bench::RealisticEntry>& Entries() {
  static const auto entries = bench::MakeEntries(kEntries);
  return entries;
}

// The dictionary files, written once into a temporary folder.
class Files {
 public:
  static Files& Get() {
    static Files files;
    return files;
  }
  const std::string& Path(Format format) const { return paths_.at(format); }
  ~Files() { std::filesystem::remove_all(folder_); }

 private:
  Files() : folder_(std::filesystem::temp_directory_path() / ("pembra-bench-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder_);
    for (Format format : bench::kFormats) {
      const std::string path = (folder_ / bench::FormatName(format)).string();
      std::ofstream(path, std::ios::binary) << bench::WriteDictionary(Entries(), format);
      paths_[format] = path;
    }
  }
  std::filesystem::path folder_;
  std::map<Format, std::string> paths_;
};

// 8-bit text files are read in their own application text encoding.
void UseEncodingOf(Format format) {
  const char* encoding = bench::TextEncodingOf(format);
  os::SetApplicationTextEncoding(*encoding != '\0' ? encoding : os::kMacRomanEncoding);
}

void ReadInto(pembra::Dictionary& dictionary, Format format) {
  UseEncodingOf(format);
  std::ifstream in(Files::Get().Path(format), std::ios::binary);
  dictionary.Read(&in);
}

// The dictionary of one format, read afresh when another was asked for last: a
// process holds one dictionary, as the program does.
const pembra::Dictionary& Loaded(Format format) {
  static std::unique_ptr<pembra::Dictionary> dictionary;
  static Format loaded;
  if (!dictionary || loaded != format) {
    dictionary.reset();
    dictionary = std::make_unique<pembra::Dictionary>();
    ReadInto(*dictionary, format);
    loaded = format;
  }
  return *dictionary;
}

enum class Probe { kPresent, kAbsent, kEscaped };
const Probe kProbes[] = {Probe::kPresent, Probe::kAbsent, Probe::kEscaped};
const char* ProbeName(Probe probe) {
  return probe == Probe::kPresent ? "present" : probe == Probe::kAbsent ? "absent" : "escaped";
}

// Literals of every entry in one shuffled order, the same for every benchmark.
const std::vector<std::string>& Literals(Probe probe) {
  static std::map<Probe, std::vector<std::string>> lists;
  auto [it, made] = lists.try_emplace(probe);
  if (made) {
    std::vector<std::size_t> order(Entries().size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    for (std::size_t i : order) {
      const bench::RealisticEntry& entry = Entries()[i];
      switch (probe) {
        case Probe::kPresent: it->second.push_back("$$$" + entry.key + "=Default text"); break;
        case Probe::kAbsent: it->second.push_back("$$$" + entry.key + "/Missing=Default text"); break;
        case Probe::kEscaped: it->second.push_back("$$$" + entry.key + "/Missing=" + bench::Utf8(entry.written)); break;
      }
    }
  }
  return it->second;
}

// Every entry of every format reads back as stored, and both lookups agree on
// every literal: the figures compare equal results.
bool Check() {
  const bench::BaselineLookup baseline(Entries());
  bool ok = true;
  for (Format format : bench::kFormats) {
    const pembra::Dictionary& dictionary = Loaded(format);
    if (!dictionary.IsValid() || dictionary.NumKeys() != kEntries) {
      std::fprintf(stderr, "%s: valid %d, %d keys\n", bench::FormatName(format), dictionary.IsValid(),
                   dictionary.NumKeys());
      ok = false;
      continue;
    }
    for (Probe probe : kProbes) {
      for (const std::string& literal : Literals(probe)) {
        char16_t expected[kBufferUnits], got[kBufferUnits];
        const std::size_t length = baseline.Lookup(literal.c_str(), expected, kBufferUnits);
        dictionary.Lookup(literal.c_str(), &kUtf8).GetUnicode(got, kBufferUnits);
        if (!std::equal(expected, expected + length + 1, got)) {
          std::fprintf(stderr, "%s: %s differs from the baseline\n", bench::FormatName(format), literal.c_str());
          ok = false;
          break;
        }
      }
    }
  }
  return ok;
}

void CountAllocations(benchmark::State& state, std::size_t before) {
  state.counters["allocs"] = benchmark::Counter(static_cast<double>(gAllocations - before) /
                                                static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1)));
}

void Read(benchmark::State& state, Format format) {
  UseEncodingOf(format);
  const std::string& path = Files::Get().Path(format);
  const std::size_t before = gAllocations;
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    pembra::Dictionary dictionary;
    dictionary.Read(&in);
    if (dictionary.NumKeys() != kEntries) state.SkipWithError("wrong number of keys");
    benchmark::DoNotOptimize(dictionary);
  }
  CountAllocations(state, before);
}

void ReadAll(benchmark::State& state, Format format) {
  UseEncodingOf(format);
  const std::string& path = Files::Get().Path(format);
  const std::vector<std::string>& literals = Literals(Probe::kPresent);
  char16_t buffer[kBufferUnits];
  const std::size_t before = gAllocations;
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    pembra::Dictionary dictionary;
    dictionary.Read(&in);
    for (const std::string& literal : literals) dictionary.Lookup(literal.c_str(), &kUtf8).GetUnicode(buffer, kBufferUnits);
    benchmark::DoNotOptimize(buffer);
  }
  CountAllocations(state, before);
}

void PlainRead(benchmark::State& state, Format format) {
  const std::string& path = Files::Get().Path(format);
  const std::size_t before = gAllocations;
  for (auto _ : state) {
    std::size_t size = 0;
    auto bytes = bench::PlainRead(path, size);
    benchmark::DoNotOptimize(bytes.get());
  }
  CountAllocations(state, before);
}

void Lookup(benchmark::State& state, Format format, Probe probe) {
  const pembra::Dictionary& dictionary = Loaded(format);
  const std::vector<std::string>& literals = Literals(probe);
  char16_t buffer[kBufferUnits];
  std::size_t i = 0;
  const std::size_t before = gAllocations;
  for (auto _ : state) {
    dictionary.Lookup(literals[i].c_str(), &kUtf8).GetUnicode(buffer, kBufferUnits);
    benchmark::DoNotOptimize(buffer);
    if (++i == literals.size()) i = 0;
  }
  CountAllocations(state, before);
}

void LookupBaseline(benchmark::State& state, Probe probe) {
  static const bench::BaselineLookup baseline(Entries());
  const std::vector<std::string>& literals = Literals(probe);
  char16_t buffer[kBufferUnits];
  std::size_t i = 0;
  const std::size_t before = gAllocations;
  for (auto _ : state) {
    baseline.Lookup(literals[i].c_str(), buffer, kBufferUnits);
    benchmark::DoNotOptimize(buffer);
    if (++i == literals.size()) i = 0;
  }
  CountAllocations(state, before);
}

// Prints the console table, then each benchmark's time over its baseline's (the
// medians when the runs are repeated).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times_[run.run_name.str()] = run.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-34s %-26s %12s %12s %8s\n", "benchmark", "baseline", "time", "baseline", "ratio");
    for (const auto& [name, baseline] : pairs) {
      const auto it = times_.find(name), base = times_.find(baseline);
      if (it == times_.end() || base == times_.end()) continue;
      std::printf("%-34s %-26s %12.3f %12.3f %7.2fx\n", name.c_str(), baseline.c_str(), it->second, base->second,
                  it->second / base->second);
    }
  }
  std::vector<std::pair<std::string, std::string>> pairs;  // benchmark, its baseline

 private:
  std::map<std::string, double> times_;
};

int WriteDictionaryFile(const std::string& argument) {
  const std::size_t colon = argument.find(':');
  for (Format format : bench::kFormats) {
    if (argument.substr(0, colon) == bench::FormatName(format) && colon != std::string::npos) {
      std::ofstream out(argument.substr(colon + 1), std::ios::binary);
      out << bench::WriteDictionary(Entries(), format);
      return out ? 0 : 1;
    }
  }
  std::fprintf(stderr, "--write_dictionary=<format>:<path>, format one of text-utf8 text-macroman "
                       "text-utf16le text-utf16be v1.0 v1.5 v2\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string kWrite = "--write_dictionary=";
  if (argc == 2 && std::strncmp(argv[1], kWrite.c_str(), kWrite.size()) == 0) {
    return WriteDictionaryFile(argv[1] + kWrite.size());
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!Check()) return 1;

  RatioReporter reporter;
  for (Format format : bench::kFormats) {
    const std::string name = bench::FormatName(format);
    benchmark::RegisterBenchmark(("Read/" + name).c_str(), Read, format)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("PlainRead/" + name).c_str(), PlainRead, format)->Unit(benchmark::kMillisecond);
    reporter.pairs.emplace_back("Read/" + name, "PlainRead/" + name);
  }
  for (Format format : bench::kFormats) {
    const std::string name = bench::FormatName(format);
    benchmark::RegisterBenchmark(("ReadAll/" + name).c_str(), ReadAll, format)->Unit(benchmark::kMillisecond);
    reporter.pairs.emplace_back("ReadAll/" + name, "Read/" + name);
  }
  for (Probe probe : kProbes) {
    const std::string probeName = ProbeName(probe);
    benchmark::RegisterBenchmark(("LookupBaseline/" + probeName).c_str(), LookupBaseline, probe);
    for (Format format : {Format::kTextUtf8, Format::kVersion10, Format::kVersion15, Format::kVersion2}) {
      const std::string name = "Lookup/" + std::string(bench::FormatName(format)) + "/" + probeName;
      benchmark::RegisterBenchmark(name.c_str(), Lookup, format, probe);
      reporter.pairs.emplace_back(name, "LookupBaseline/" + probeName);
    }
  }
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
