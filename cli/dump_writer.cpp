#include "cli/dump_writer.h"

#include "cli/csv_dump_writer.h"
#include "cli/json_dump_writer.h"
#include "cli/text_dump_writer.h"

namespace quorvane {

std::unique_ptr<DumpWriter> MakeDumpWriter(DumpFormat format, std::ostream& stream) {
  switch (format) {
    case DumpFormat::Csv:
      return std::make_unique<CsvDumpWriter>(stream);
    case DumpFormat::Json:
      return std::make_unique<JsonDumpWriter>(stream);
    case DumpFormat::Text:
      break;
  }
  return std::make_unique<TextDumpWriter>(stream);
}

}  // namespace quorvane
