#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/file_dialogs.h"

class QLineEdit;

namespace quorvane::testing {

// A modal window that the test saw and closed.
struct SeenModal {
  QString class_name;
  QString title;
  QString text;  // message boxes only
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every modal window that opens while it lives, so that no test waits for a person:
// message boxes with their OK button, other dialogs through `on_dialog` (default: reject).
// Pop-up menus are closed too; their item texts are kept, one a line, as the text.
class ModalAnswerer : public QObject {
  Q_OBJECT

 public:
  ModalAnswerer();
  std::vector<SeenModal> seen;
  // Runs on a dialog (not a message box) before it is closed; it may close it itself.
  std::function<void(QDialog&)> on_dialog;

 private:
  void Poll();
  QTimer timer_;
};

// Answers the file dialogs from a script and keeps the requests.
class ScriptedFileDialogs : public FileDialogs {
 public:
  std::optional<QString> Choose(QWidget& owner, const FileDialogRequest& request) override;

  std::deque<QString> answers;  // a null string or no answer left: cancel
  std::vector<FileDialogRequest> requests;
};

// True when `field` is its window's focus widget (it has the keyboard focus whenever the window
// is active) and its whole text is selected.
bool HasFocusWithWholeText(const QLineEdit& field);

}  // namespace quorvane::testing
