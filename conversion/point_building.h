#pragma once

namespace quorvane {

class MemFile;
class PointTable;

// Fills one record per counted entry of a freshly read MemFile into a cleared PointTable, with
// the same icon number and voice-guidance sound for every point.
void BuildPoints(const MemFile& mem_file, PointTable& table, int icon_number, int voice_row,
                 int max_points);

}  // namespace quorvane
