#include "app/converter_app.h"

#include <QMessageBox>

#include "app/app_texts.h"
#include "app/converter_dialog.h"
#include "app/file_dialogs.h"
#include "app/qt_text.h"

namespace quorvane {

bool ConverterApp::InitInstance() {
  PlatformFileDialogs file_dialogs;
  ConverterDialog dialog(arguments_, {file_dialogs, SystemFileSystem(), SystemClock()});
  QObject::connect(&dialog, &ConverterDialog::HelpRequested, &dialog,
                   [&dialog] { OnHelp(dialog); });
  dialog.exec();  // converted or cancelled: the program ends either way
  return false;
}

void ConverterApp::OnHelp(QWidget& owner) {
  QMessageBox box(QMessageBox::Information, ToQString(app_text::kHelpCaption),
                  ToQString(app_text::kHelpText), QMessageBox::Ok, &owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace quorvane
