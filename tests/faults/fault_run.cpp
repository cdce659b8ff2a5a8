#include "fault_run.h"

#include <algorithm>

#include "memfile/mem_file.h"
#include "pointfile/point_table.h"
#include "support/cp932_literal.h"
#include "support/fixed_clock.h"
#include "support/mem_image_builder.h"
#include "support/temp_folder.h"

namespace quorvane::testing {

RunOutcome Convert(const FileSystem& files, std::string_view input_path,
                   std::string_view output_path) {
  const FixedClock clock = JanuaryFifthClock();
  MemFile mem_file(files);
  PointTable table(files, clock);
  RecordingMessageSink sink;
  ConversionRun run(mem_file, table, sink);
  RunOutcome outcome;
  outcome.status = run.Run(input_path, output_path, "mem", "pmf", 5, 0, 200);
  outcome.messages = std::move(sink.messages);
  return outcome;
}

ShownMessage ReaderOrWriterMessage(std::string_view utf8) {
  return {Sjis(utf8), std::nullopt, MessageIcon::Exclamation};
}

ShownMessage UnrecognisedFileMessage(std::string_view cp932_path) {
  return {std::string(cp932_path) + Sjis("\n    は認識できないファイルです"), std::nullopt,
          MessageIcon::Exclamation};
}

ShownMessage RunReadFailedMessage(std::string_view cp932_path) {
  return {Sjis("ファイル ") + std::string(cp932_path) + Sjis(" の読み込みに失敗しました"), "ERROR",
          MessageIcon::None};
}

ShownMessage CompletionMessage() {
  return {Sjis("変換が終了しました。\nOKボタンを押して下さい。"), Sjis("終了"), MessageIcon::None};
}

std::string Cp932Path(const std::filesystem::path& path) {
  return Sjis(path.string());
}

std::string FullImage() {
  MemImageBuilder image;
  for (int i = 0; i < 100; ++i) {
    image.Present(i)
        .Name(i, Sjis("東京タワー展望台"))
        .ExtraText(i, Sjis("ﾄｳｷｮｳﾀﾜｰﾃﾝﾎﾞｳﾀﾞｲ"))
        .Digits(i, {0x01, 0x23, 0x45, 0x67, 0x89})
        .Longitude(i, {0x1E, 0xB1, 0xA8, 65})
        .Latitude(i, {0x07, 0xD5, 0xC4, 32});
  }
  return std::string(image.Bytes().begin(), image.Bytes().end());
}

std::vector<std::string> Snapshot(const std::filesystem::path& folder) {
  std::vector<std::string> entries;
  for (auto it = std::filesystem::recursive_directory_iterator(folder);
       it != std::filesystem::recursive_directory_iterator(); ++it) {
    const std::filesystem::directory_entry& entry = *it;
    std::string line = entry.path().lexically_relative(folder).string();
    // Links are not followed: one of them may be a loop.
    const std::filesystem::file_status status = entry.symlink_status();
    if (!std::filesystem::is_directory(status)) it.disable_recursion_pending();
    if (std::filesystem::is_regular_file(status)) {
      const std::vector<unsigned char> bytes = ReadAllBytes(entry.path());
      line += " = " + std::string(bytes.begin(), bytes.end());
    } else if (std::filesystem::is_symlink(status)) {
      line += " -> " + std::filesystem::read_symlink(entry.path()).string();
    } else {
      line += std::filesystem::is_directory(status) ? " (folder)" : " (other)";
    }
    entries.push_back(std::move(line));
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace quorvane::testing
