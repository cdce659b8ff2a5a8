#include "app/dialog_message_sink.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/qt_text.h"

namespace quorvane {

QString ApplicationName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void DialogMessageSink::Show(std::string_view text, std::optional<std::string_view> caption,
                             MessageIcon icon) {
  Present(Cp932ToQString(text), caption ? Cp932ToQString(*caption) : ApplicationName(),
          icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
}

void DialogMessageSink::Present(const QString& text, const QString& caption,
                                QMessageBox::Icon icon) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, &owner_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace quorvane
