#include "app/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "app/app_texts.h"
#include "app/qt_text.h"

namespace quorvane {

namespace {

// Qt reads a filter's patterns from the parentheses at its end, separated by blanks; "*.*"
// there would hide files without a dot, which the pattern means to include.
QString ToQtFilter(const FileFilter& filter) {
  QStringList patterns;
  for (const QString& pattern : filter.pattern.split(u';', Qt::SkipEmptyParts)) {
    patterns << (pattern.trimmed() == QStringLiteral("*.*") ? QStringLiteral("*")
                                                            : pattern.trimmed());
  }
  return filter.display + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

// Qt's own file dialog, which refuses a file in a missing folder when asked to.
class CheckedFileDialog : public QFileDialog {
 public:
  CheckedFileDialog(QWidget& owner, const FileDialogRequest& request)
      : QFileDialog(&owner, request.title, request.initial_folder),
        folder_must_exist_(request.folder_must_exist) {}

  void accept() override {
    const QStringList files = selectedFiles();
    if (folder_must_exist_ && !files.isEmpty() && !QFileInfo(files.first()).dir().exists()) {
      QMessageBox::warning(this, windowTitle(), ToQString(app_text::kFolderMissing));
      return;
    }
    QFileDialog::accept();
  }

 private:
  bool folder_must_exist_;
};

}  // namespace

std::vector<FileFilter> ParseFilterList(const QString& list) {
  std::vector<FileFilter> filters;
  const QStringList parts = list.split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;  // "||" ends the list
    filters.push_back({parts[i], parts[i + 1]});
  }
  return filters;
}

std::optional<QString> PlatformFileDialogs::Choose(QWidget& owner,
                                                   const FileDialogRequest& request) {
  CheckedFileDialog dialog(owner, request);
  // Qt's own dialog everywhere, so that every platform checks the folder the same way.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirm_overwrite);
  dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                            : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << ToQtFilter(filter);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(request.default_extension);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(files.first());
}

}  // namespace quorvane
