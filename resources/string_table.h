#pragma once

#include "common/japanese_text.h"

namespace quorvane {

// The string of the given id; an empty text when the table has none.
JapaneseText LoadStringResource(int id);

}  // namespace quorvane
