#pragma once

#include <QDialog>

namespace quorvane {

// The version box (template 100). It holds nothing of its own.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* owner);
};

}  // namespace quorvane
