#include "resources/string_table.h"

#include "resources/resource_ids.h"

namespace quorvane {

namespace {

// The blank after the program name is wanted: the About box's caption has none.
constexpr JapaneseText kAboutMenuItem{
    "Quorvane のﾊﾞｰｼﾞｮﾝ情報(&A)...",
    "Quorvane \x82\xCC\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x8F\xEE\x95\xF1(&A)..."};

}  // namespace

JapaneseText LoadStringResource(int id) {
  if (id == resource_id::kAboutMenuString) return kAboutMenuItem;
  return {"", ""};
}

}  // namespace quorvane
