#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
  // Names of the entries in the folder, sorted.
  std::vector<std::string> Listing() const;

 private:
  std::filesystem::path path_;
};

std::vector<unsigned char> ReadAllBytes(const std::filesystem::path& path);
void WriteAllBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quorvane::testing
