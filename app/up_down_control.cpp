#include "app/up_down_control.h"

#include <QLineEdit>

namespace quorvane {

UpDownControl::UpDownControl(QWidget* parent) : QSpinBox(parent) {}

void UpDownControl::SetBuddy(QLineEdit* buddy) {
  const QRect place = buddy->geometry();
  const Qt::Alignment alignment = buddy->alignment();
  const QString name = buddy->objectName();
  setLineEdit(buddy);
  buddy->setObjectName(name);
  setAlignment(alignment);
  setGeometry(place);
  show();
}

}  // namespace quorvane
