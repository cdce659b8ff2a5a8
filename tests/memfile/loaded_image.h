#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "memfile/mem_file.h"
#include "support/mem_image_builder.h"
#include "support/recording_message_sink.h"
#include "support/temp_folder.h"

namespace quorvane::testing {

inline std::vector<std::uint8_t> ImageBytes(const MemFile& mem) {
  std::vector<std::uint8_t> bytes;
  for (const std::byte b : mem.Image()) bytes.push_back(static_cast<std::uint8_t>(b));
  return bytes;
}

// Writes the image into `folder` under `name` and reads it into `mem`; the read must succeed
// without a message.
inline void LoadImage(MemFile& mem, const MemImageBuilder& image, const TempFolder& folder,
                      const std::string& name = "points.mem") {
  const std::string path = image.WriteTo(folder / name).string();
  RecordingMessageSink sink;
  ASSERT_EQ(mem.Read(path, sink), 0) << path;
  ASSERT_TRUE(sink.messages.empty());
}

}  // namespace quorvane::testing
