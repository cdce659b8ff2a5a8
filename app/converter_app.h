#pragma once

#include <QStringList>

class QWidget;

namespace quorvane {

// Starts the converter: shows the converter dialog modally as the program's only window and
// answers its help requests. The program ends when the dialog closes.
class ConverterApp {
 public:
  explicit ConverterApp(QStringList arguments) : arguments_(std::move(arguments)) {}

  // Always false: there is nothing to run after the dialog.
  bool InitInstance();

  // The help that F1 shows over `owner`; it changes nothing in the dialog.
  static void OnHelp(QWidget& owner);

 private:
  QStringList arguments_;
};

}  // namespace quorvane
