#pragma once

#include <QSpinBox>

class QLineEdit;

namespace quorvane {

// An up-down control that shows and edits its number in a separate edit field, its buddy.
class UpDownControl : public QSpinBox {
  Q_OBJECT

 public:
  explicit UpDownControl(QWidget* parent);

  // Takes `buddy` in as its edit field and takes the buddy's place in the window, with the
  // arrows at the buddy's right edge.
  void SetBuddy(QLineEdit* buddy);
};

}  // namespace quorvane
