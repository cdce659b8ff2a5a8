#include "app/template_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "app/dialog_units.h"
#include "app/qt_text.h"
#include "app/up_down_control.h"
#include "resources/menu_resource.h"
#include "resources/resource_ids.h"

namespace quorvane {

namespace {

bool Has(std::uint32_t styles, std::uint32_t style) {
  return (styles & style) != 0;
}

// Qt widgets are owned by their parent widget, which deletes them with itself.
QWidget* CreateControl(const ControlTemplate& control, QWidget& parent, const QIcon& icon) {
  const QString text = ToQString(control.text);
  switch (control.kind) {
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(&parent);
      edit->setAlignment(Has(control.styles, style::kRightAligned) ? Qt::AlignRight
                                                                   : Qt::AlignLeft);
      edit->setFrame(Has(control.styles, style::kBorder));
      return edit;
    }
    case ControlKind::PushButton: {
      auto* button = new QPushButton(text, &parent);
      button->setDefault(Has(control.styles, style::kDefaultPushButton));
      return button;
    }
    case ControlKind::GroupBox: {
      auto* group = new QGroupBox(text, &parent);
      // A group box only frames the controls in it; clicks go through to them.
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      return group;
    }
    case ControlKind::StaticText: {
      auto* label = new QLabel(text, &parent);
      label->setTextFormat(Qt::PlainText);
      Qt::Alignment alignment =
          Has(control.styles, style::kCentered) ? Qt::AlignHCenter : Qt::AlignLeft;
      alignment |=
          Has(control.styles, style::kCenteredVertically) ? Qt::AlignVCenter : Qt::AlignTop;
      label->setAlignment(alignment);
      if (Has(control.styles, style::kSunken)) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      return label;
    }
    case ControlKind::StaticIcon: {
      auto* label = new QLabel(&parent);
      label->setPixmap(icon.pixmap(32, 32));
      return label;
    }
    case ControlKind::UpDown: {
      auto* spin = new UpDownControl(&parent);
      spin->setKeyboardTracking(true);
      spin->setWrapping(false);
      // Shown once it has its buddy.
      spin->hide();
      return spin;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(&parent);
      combo->setEditable(Has(control.styles, style::kDropDown));
      // Typed text never becomes a row: the rows are the fixed table.
      combo->setInsertPolicy(QComboBox::NoInsert);
      return combo;
    }
  }
  return nullptr;
}

QMenuBar* BuildMenuBar(QDialog& dialog, int menu_id) {
  if (menu_id == 0) return nullptr;
  auto* bar = new QMenuBar(&dialog);
  QMenu* popup = nullptr;
  for (const MenuEntry& entry : MainMenu()) {
    if (entry.is_popup) {
      popup = bar->addMenu(ToQString(entry.text));
    } else if (popup != nullptr) {
      QAction* action = popup->addAction(ToQString(entry.text));
      action->setData(entry.command);
    }
  }
  return bar;
}

}  // namespace

QString ControlName(int id) {
  return QStringLiteral("control%1").arg(id);
}

QMenuBar* BuildFromTemplate(QDialog& dialog, const DialogTemplate& dialog_template,
                            const QIcon& icon) {
  dialog.setFont(DialogFont(dialog_template));
  dialog.setWindowTitle(ToQString(dialog_template.caption));
  const DialogUnits units(dialog.font());

  QMenuBar* menu_bar = BuildMenuBar(dialog, dialog_template.menu_id);
  const int top = menu_bar != nullptr ? menu_bar->sizeHint().height() : 0;

  QWidget* previous_tab_stop = nullptr;
  for (const ControlTemplate& control : dialog_template.controls) {
    QWidget* widget = CreateControl(control, dialog, icon);
    if (control.id != resource_id::kNoId) widget->setObjectName(ControlName(control.id));
    QRect place = units.ToPixels(control.rect).translated(0, top);
    if (control.kind == ControlKind::StaticIcon) place.setSize(QSize(32, 32));
    if (control.kind == ControlKind::ComboBox) {
      // The template's height includes the drop-down list.
      auto* combo = static_cast<QComboBox*>(widget);
      const int field_height = combo->sizeHint().height();
      const int list_height = place.height() - field_height;
      combo->setMaxVisibleItems(std::max(1, list_height / QFontMetrics(dialog.font()).height()));
      place.setHeight(field_height);
    }
    widget->setGeometry(place);
    if (control.kind == ControlKind::GroupBox) widget->lower();
    if (Has(control.styles, style::kTabStop)) {
      if (previous_tab_stop != nullptr) QWidget::setTabOrder(previous_tab_stop, widget);
      previous_tab_stop = widget;
    } else if (control.kind == ControlKind::PushButton) {
      widget->setFocusPolicy(Qt::NoFocus);
    }
  }

  const QRect client = units.ToPixels(dialog_template.rect);
  if (menu_bar != nullptr) menu_bar->setGeometry(0, 0, client.width(), top);
  dialog.setFixedSize(client.width(), client.height() + top);

  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (Has(dialog_template.styles, style::kSystemMenu)) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  if (Has(dialog_template.styles, style::kMinimizeBox)) {
    // A window of its own with a taskbar button, as a main window is.
    flags = (flags & ~Qt::WindowType_Mask) | Qt::Window | Qt::WindowMinimizeButtonHint;
  }
  dialog.setWindowFlags(flags);
  return menu_bar;
}

}  // namespace quorvane
