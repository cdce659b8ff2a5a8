#include "cli/dumped_point.h"

#include <cstdio>

#include "cli/display_text.h"
#include "memfile/mem_file.h"

namespace quorvane {

std::string DecimalDegrees(std::uint32_t units) {
  constexpr double kUnitsPerDegree = 256.0 * 3600.0;
  char buffer[32];
  // The largest value a coordinate word can hold is about 1165 degrees: always fits.
  const int length = std::snprintf(buffer, sizeof buffer, "%.6f", units / kUnitsPerDegree);
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::vector<DumpedPoint> DumpPoints(const MemFile& mem_file) {
  std::vector<DumpedPoint> points;
  for (int i = 0; i < mem_file.EntryCount(); ++i) {
    points.push_back({.index = i,
                      .name = DisplayText(mem_file.NameText(i)),
                      .extra_text = DisplayText(mem_file.ExtraText(i)),
                      .digits = mem_file.DigitText(i),
                      .longitude_dms = mem_file.LongitudeDms(i),
                      .latitude_dms = mem_file.LatitudeDms(i),
                      .longitude_degrees = DecimalDegrees(mem_file.LongitudeUnits(i)),
                      .latitude_degrees = DecimalDegrees(mem_file.LatitudeUnits(i))});
  }
  return points;
}

}  // namespace quorvane
