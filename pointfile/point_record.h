#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvane {

// One record of the point table: fixed-width NUL-terminated CP932 fields whose widths include
// the NUL. The layout is fixed at 696 bytes.
struct PointRecord {
  std::int16_t slot;  // record index; -1 = not in use
  char icon[16];
  char name[64];
  char longitude[32];
  char latitude[32];
  char extra_text[64];
  char voice_code[64];
  char voice_flag[10];
  std::int32_t aux_flag;
  char aux_code[8];
  char voice_param[8];
  char spare_text1[64];
  char spare_text2[128];
  char digits[22];
  char date[16];
  char spare_text3[64];
  char spare_text4[64];
  char time[16];
  char kind_code[8];
  char tail_code[10];
};

static_assert(offsetof(PointRecord, slot) == 0);
static_assert(offsetof(PointRecord, icon) == 2);
static_assert(offsetof(PointRecord, name) == 18);
static_assert(offsetof(PointRecord, longitude) == 82);
static_assert(offsetof(PointRecord, latitude) == 114);
static_assert(offsetof(PointRecord, extra_text) == 146);
static_assert(offsetof(PointRecord, voice_code) == 210);
static_assert(offsetof(PointRecord, voice_flag) == 274);
static_assert(offsetof(PointRecord, aux_flag) == 284);
static_assert(offsetof(PointRecord, aux_code) == 288);
static_assert(offsetof(PointRecord, voice_param) == 296);
static_assert(offsetof(PointRecord, spare_text1) == 304);
static_assert(offsetof(PointRecord, spare_text2) == 368);
static_assert(offsetof(PointRecord, digits) == 496);
static_assert(offsetof(PointRecord, date) == 518);
static_assert(offsetof(PointRecord, spare_text3) == 534);
static_assert(offsetof(PointRecord, spare_text4) == 598);
static_assert(offsetof(PointRecord, time) == 662);
static_assert(offsetof(PointRecord, kind_code) == 678);
static_assert(offsetof(PointRecord, tail_code) == 686);
static_assert(sizeof(PointRecord) == 696);

}  // namespace quorvane
