// How long one conversion of a full memory-point file takes, and its hottest pieces. Run
// build/release/bench/quorvane_bench; nothing here is part of the test suite.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "conversion/conversion_run.h"
#include "memfile/dms_text.h"
#include "memfile/mem_file.h"
#include "pointfile/coordinate_encoding.h"
#include "pointfile/point_table.h"

namespace {

using namespace quorvane;

class SilentSink : public MessageSink {
 public:
  void Show(std::string_view, std::optional<std::string_view>, MessageIcon) override {}
};

// A memory-point file whose 100 entries are all present, with names and coordinates.
std::string WriteFullMemFile(const std::string& folder) {
  std::vector<char> image(MemFile::kFileSize, 0);
  for (int i = 0; i < MemFile::kEntryCapacity; ++i) {
    char* entry = image.data() + MemFile::kHeaderSize + MemEntryLayout::kSize * i;
    entry[MemEntryLayout::kPresent] = 1;
    const unsigned char longitude[] = {0x1E, 0xB5, 0x68, static_cast<unsigned char>(i)};
    const unsigned char latitude[] = {0x07, 0xD6, 0x54, static_cast<unsigned char>(255 - i)};
    std::copy(std::begin(longitude), std::end(longitude), entry + MemEntryLayout::kLongitude);
    std::copy(std::begin(latitude), std::end(latitude), entry + MemEntryLayout::kLatitude);
    const std::string name = "\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B" + std::to_string(i);
    std::copy(name.begin(), name.end(), entry + MemEntryLayout::kName);
    std::fill_n(entry + MemEntryLayout::kDigits, MemEntryLayout::kDigitBytes, '\x12');
  }
  const std::string path = folder + "/points.mem";
  std::ofstream(path, std::ios::binary)
      .write(image.data(), static_cast<std::streamsize>(image.size()));
  return path;
}

void BM_ConvertFullFile(benchmark::State& state) {
  std::string folder = "/tmp/quorvane-bench-XXXXXX";
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string input = WriteFullMemFile(folder);
  const std::string output = folder + "/points.pmf";
  MemFile mem_file;
  PointTable table;
  SilentSink sink;
  for (auto _ : state) {
    const ConversionStatus status =
        ConversionRun(mem_file, table, sink).Run(input, output, "mem", "pmf", 5, 3, 200);
    if (status != ConversionStatus::Done) state.SkipWithError("conversion failed");
  }
  ::unlink(input.c_str());
  ::unlink(output.c_str());
  ::rmdir(folder.c_str());
}
BENCHMARK(BM_ConvertFullFile)->Unit(benchmark::kMicrosecond);

void BM_FormatAndEncodeCoordinate(benchmark::State& state) {
  std::uint32_t units = 128'801'408;
  for (auto _ : state) {
    const std::string dms = FormatDms(units++);
    benchmark::DoNotOptimize(EncodeCoordinate(dms));
  }
}
BENCHMARK(BM_FormatAndEncodeCoordinate);

void BM_PointTableClear(benchmark::State& state) {
  PointTable table;
  for (auto _ : state) {
    table.Clear();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PointTableClear)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
