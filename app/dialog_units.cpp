#include "app/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "app/qt_text.h"

namespace quorvane {

namespace {

// Japanese UI fonts with proportional Latin letters, most wanted first.
const QStringList& JapaneseFallbackFamilies() {
  static const QStringList families{"MS PGothic",         "Noto Sans CJK JP", "Source Han Sans JP",
                                    "IPAPGothic",         "VL PGothic",       "TakaoPGothic",
                                    "Droid Sans Japanese"};
  return families;
}

// Rounds a * b / c to the nearest integer, as the window system does for dialog units.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  return static_cast<int>((product + (product >= 0 ? c / 2 : -c / 2)) / c);
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialog_template) {
  const QStringList installed = QFontDatabase::families();
  QFont font;
  const QString wanted = ToQString(dialog_template.font_name);
  if (installed.contains(wanted)) {
    font.setFamily(wanted);
  } else {
    for (const QString& family : JapaneseFallbackFamilies()) {
      if (installed.contains(family)) {
        font.setFamily(family);
        break;
      }
    }
  }
  font.setPointSize(dialog_template.font_points);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const int alphabet_width = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
  base_width_ = (alphabet_width / 26 + 1) / 2;
  base_height_ = metrics.height();
}

int DialogUnits::ToPixelsX(int units) const {
  return MulDiv(units, base_width_, 4);
}

int DialogUnits::ToPixelsY(int units) const {
  return MulDiv(units, base_height_, 8);
}

QRect DialogUnits::ToPixels(const DialogRect& rect) const {
  return QRect(ToPixelsX(rect.x), ToPixelsY(rect.y), ToPixelsX(rect.width), ToPixelsY(rect.height));
}

}  // namespace quorvane
