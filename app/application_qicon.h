#pragma once

#include <QIcon>

namespace quorvane {

// Icon 128 with both of its images.
QIcon ApplicationQIcon();

}  // namespace quorvane
