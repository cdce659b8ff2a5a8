#include "app/application_qicon.h"

#include <QImage>
#include <QPixmap>

#include "resources/application_icon.h"

namespace quorvane {

namespace {

QImage ToImage(const IconImage& icon) {
  QImage image(icon.width, icon.height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < icon.height && y < static_cast<int>(icon.rows.size()); ++y) {
    const std::string_view row = icon.rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < icon.width && x < static_cast<int>(row.size()); ++x) {
      const std::size_t index = icon.pixel_alphabet.find(row[static_cast<std::size_t>(x)]);
      if (index == std::string_view::npos || index >= icon.palette.size()) continue;
      image.setPixel(x, y, 0xFF000000u | icon.palette[index]);
    }
  }
  return image;
}

}  // namespace

QIcon ApplicationQIcon() {
  QIcon result;
  // The richer image first, so that it is the one drawn.
  for (auto it = ApplicationIcon().rbegin(); it != ApplicationIcon().rend(); ++it) {
    result.addPixmap(QPixmap::fromImage(ToImage(*it)));
  }
  return result;
}

}  // namespace quorvane
