#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

#include "resources/dialog_template.h"

class QMenuBar;

namespace quorvane {

// The object name that a control of the given id gets, so that code and tests find it.
QString ControlName(int id);

// Builds a dialog window from a template: caption, font, fixed size from the dialog units of
// that font, the menu bar of the template's menu, and its controls at their template
// positions (below the menu bar). Static icons show `icon`. Returns the menu bar, or null when
// the template has no menu. The dialog owns everything built.
QMenuBar* BuildFromTemplate(QDialog& dialog, const DialogTemplate& dialog_template,
                            const QIcon& icon);

}  // namespace quorvane
