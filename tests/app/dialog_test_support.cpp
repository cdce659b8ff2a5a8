#include "dialog_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace quorvane::testing {

ModalAnswerer::ModalAnswerer() {
  connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
  timer_.start(5);
}

void ModalAnswerer::Poll() {
  if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
    QStringList items;
    for (const QAction* action : menu->actions()) items << action->text();
    seen.push_back({QStringLiteral("QMenu"), {}, items.join(u'\n'), QMessageBox::NoIcon});
    menu->close();
    return;
  }
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    seen.push_back({QString::fromLatin1(box->metaObject()->className()), box->windowTitle(),
                    box->text(), box->icon()});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->reject();
    }
    return;
  }
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    seen.push_back({QString::fromLatin1(dialog->metaObject()->className()),
                    dialog->windowTitle(),
                    {},
                    QMessageBox::NoIcon});
    if (on_dialog) on_dialog(*dialog);
    if (dialog->isVisible()) dialog->reject();
  }
}

std::optional<QString> ScriptedFileDialogs::Choose(QWidget&, const FileDialogRequest& request) {
  requests.push_back(request);
  if (answers.empty()) return std::nullopt;
  const QString answer = answers.front();
  answers.pop_front();
  if (answer.isNull()) return std::nullopt;
  return answer;
}

bool HasFocusWithWholeText(const QLineEdit& field) {
  return field.window()->focusWidget() == &field && field.selectedText() == field.text() &&
         (field.text().isEmpty() || field.hasSelectedText());
}

}  // namespace quorvane::testing
