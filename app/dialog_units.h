#pragma once

#include <QFont>
#include <QRect>

#include "resources/dialog_template.h"

namespace quorvane {

// The font a template asks for where it is installed, otherwise a Japanese-capable UI font.
QFont DialogFont(const DialogTemplate& dialog_template);

// Dialog units to pixels for one font: a horizontal unit is a quarter of the font's average
// character width (over the Latin alphabet), a vertical unit an eighth of its height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QRect ToPixels(const DialogRect& rect) const;

  int BaseWidth() const { return base_width_; }
  int BaseHeight() const { return base_height_; }

 private:
  int base_width_;
  int base_height_;
};

}  // namespace quorvane
