#include "app/about_dialog.h"

#include <QPushButton>

#include "app/application_qicon.h"
#include "app/template_dialog.h"
#include "resources/resource_ids.h"

namespace quorvane {

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
  BuildFromTemplate(*this, AboutDialogTemplate(), ApplicationQIcon());
  if (auto* ok = findChild<QPushButton*>(ControlName(resource_id::kOk))) {
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
  }
}

}  // namespace quorvane
