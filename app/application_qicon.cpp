#include "app/application_qicon.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <vector>

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
  std::vector<IconImage> images(ApplicationIcon().begin(), ApplicationIcon().end());
  // The richer image first: of two pixmaps of one size, an icon draws the first.
  std::stable_sort(images.begin(), images.end(), [](const IconImage& a, const IconImage& b) {
    return a.colour_count > b.colour_count;
  });
  QIcon result;
  for (const IconImage& image : images) result.addPixmap(QPixmap::fromImage(ToImage(image)));
  return result;
}

}  // namespace quorvane
