#pragma once

#include <QString>
#include <optional>
#include <vector>

class QWidget;

// The open-file and save-as dialogs, behind an interface that tests answer themselves.
namespace quorvane {

struct FileFilter {
  QString display;  // what the user sees, e.g. 出力 ファイル (*.mem)
  QString pattern;  // the patterns it stands for, separated by ';', e.g. *.mem or *.*
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  QString title;
  std::vector<FileFilter> filters;  // the first one is selected
  QString default_extension;        // added to a typed name without extension; no dot
  QString initial_folder;           // empty: the current directory
  bool confirm_overwrite = false;   // save: ask before an existing file is replaced
  bool folder_must_exist = false;   // save: the chosen file's folder must exist
};

// Splits a filter list of display texts and patterns separated by '|' and ended by "||".
std::vector<FileFilter> ParseFilterList(const QString& list);

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen full path in native form, or std::nullopt when the user cancelled.
  virtual std::optional<QString> Choose(QWidget& owner, const FileDialogRequest& request) = 0;
};

// The window system's dialogs, through Qt.
class PlatformFileDialogs : public FileDialogs {
 public:
  std::optional<QString> Choose(QWidget& owner, const FileDialogRequest& request) override;
};

}  // namespace quorvane
