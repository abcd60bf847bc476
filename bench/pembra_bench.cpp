// Reading a 20,000-entry dictionary in the text, 1.5 and 2.x formats, and
// lookups of present and absent keys, each beside a std::unordered_map over the
// same keys and values, so that one run shows the ratio.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "DictionaryFixtures.h"
#include "pembra/pembra.h"

namespace {

constexpr int kEntries = 20000;

const std::vector<fixtures::Entry>& Entries() {
  static const auto entries = fixtures::ManyEntries(kEntries);
  return entries;
}

enum Format { kText, kVersion15, kVersion2 };

const std::string& File(Format format) {
  static const std::string files[] = {fixtures::TextDictionary(Entries()), fixtures::Version15(Entries()),
                                      fixtures::Version2(Entries())};
  return files[format];
}

void ReadDictionary(benchmark::State& state, Format format) {
  for (auto _ : state) {
    std::istringstream in(File(format));
    pembra::Dictionary dictionary;
    dictionary.Read(&in);
    if (dictionary.NumKeys() != kEntries) state.SkipWithError("wrong number of keys");
    benchmark::DoNotOptimize(dictionary);
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_Read_Text(benchmark::State& state) { ReadDictionary(state, kText); }
void BM_Read_Version15(benchmark::State& state) { ReadDictionary(state, kVersion15); }
void BM_Read_Version2(benchmark::State& state) { ReadDictionary(state, kVersion2); }

void BM_Read_UnorderedMapBaseline(benchmark::State& state) {
  for (auto _ : state) {
    std::unordered_map<std::string, std::u16string> map;
    for (const auto& entry : Entries()) map.emplace(entry.key, entry.value);
    benchmark::DoNotOptimize(map);
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}

const pembra::Dictionary& Loaded(Format format) {
  static pembra::Dictionary dictionaries[3];
  static bool read[3] = {};
  if (!read[format]) {
    std::istringstream in(File(format));
    dictionaries[format].Read(&in);
    read[format] = true;
  }
  return dictionaries[format];
}

// "$$$<key>=" for every entry, or for keys that are not there.
const std::vector<std::string>& Literals(bool present) {
  static const auto make = [](bool present) {
    std::vector<std::string> literals;
    for (const auto& entry : Entries()) literals.push_back("$$$" + entry.key + (present ? "=" : "/absent="));
    return literals;
  };
  static const std::vector<std::string> lists[2] = {make(false), make(true)};
  return lists[present];
}

void Lookup(benchmark::State& state, Format format, bool present) {
  const pembra::Dictionary& dictionary = Loaded(format);
  const auto& literals = Literals(present);
  std::size_t i = 0;
  for (auto _ : state) {
    pembra::Quillet text = dictionary.Lookup(literals[i].c_str());
    benchmark::DoNotOptimize(text.GetUnicodeSize());
    if (++i == literals.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Lookup_HashTable_Present(benchmark::State& state) { Lookup(state, kVersion15, true); }
void BM_Lookup_HashTable_Absent(benchmark::State& state) { Lookup(state, kVersion15, false); }
void BM_Lookup_Version2_Present(benchmark::State& state) { Lookup(state, kVersion2, true); }
void BM_Lookup_Version2_Absent(benchmark::State& state) { Lookup(state, kVersion2, false); }

void BaselineLookup(benchmark::State& state, bool present) {
  static const auto map = [] {
    std::unordered_map<std::string, std::u16string> m;
    for (const auto& entry : Entries()) m.emplace(entry.key, entry.value);
    return m;
  }();
  std::vector<std::string> keys;
  for (const auto& entry : Entries()) keys.push_back(present ? entry.key : entry.key + "/absent");
  std::size_t i = 0;
  for (auto _ : state) {
    auto it = map.find(keys[i]);
    benchmark::DoNotOptimize(it);
    if (++i == keys.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Lookup_UnorderedMapBaseline_Present(benchmark::State& state) { BaselineLookup(state, true); }
void BM_Lookup_UnorderedMapBaseline_Absent(benchmark::State& state) { BaselineLookup(state, false); }

}  // namespace

BENCHMARK(BM_Read_Text)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read_Version15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read_Version2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read_UnorderedMapBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lookup_HashTable_Present);
BENCHMARK(BM_Lookup_HashTable_Absent);
BENCHMARK(BM_Lookup_Version2_Present);
BENCHMARK(BM_Lookup_Version2_Absent);
BENCHMARK(BM_Lookup_UnorderedMapBaseline_Present);
BENCHMARK(BM_Lookup_UnorderedMapBaseline_Absent);

BENCHMARK_MAIN();
