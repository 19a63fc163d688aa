#include "saver/settings/saver_settings.h"

namespace pgw {

const std::string& SaverSettings::Page(long long index) const {
  static const std::string kNoEntry;
  if (index < 0 || index >= kPageSlots) return kNoEntry;
  return Pages[static_cast<std::size_t>(index)];
}

}  // namespace pgw
