#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvane {

class MemFile;

// One counted entry of a memory-point file as --dump shows it. Texts are UTF-8 made with
// DisplayText, so a byte that is no CP932 character shows as U+FFFD.
struct DumpedPoint {
  int index = 0;
  std::string name;
  std::string extra_text;
  std::string digits;
  std::string longitude_dms;  // DmsText, exactly as the point file carries it
  std::string latitude_dms;
  std::string longitude_degrees;  // decimal degrees, six decimals
  std::string latitude_degrees;
};

// The entries 0 .. EntryCount() - 1 of a freshly read file, the ones a conversion writes.
std::vector<DumpedPoint> DumpPoints(const MemFile& mem_file);

// Coordinate units (1/256 arc-second) as decimal degrees with six decimals, e.g. "139.758472".
std::string DecimalDegrees(std::uint32_t units);

}  // namespace quorvane
