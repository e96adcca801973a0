#include "browse/tree_sort_order.h"

#include <windows.h>

#include <algorithm>
#include <numeric>

namespace tarnvel {
namespace {

// The locale's sort key: its bytes order as lstrcmpA orders the names, and
// comparing keys is several times faster than comparing the names.
std::string SortKey(const std::string& name) {
  const int length = static_cast<int>(name.size());
  const int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, name.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::string key(static_cast<std::size_t>(size), '\0');
  LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, name.data(), length, key.data(), size);
  return key;
}

}  // namespace

void SortLikeTreeView(std::vector<std::string>& names) {
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (const std::string& name : names) keys.push_back(SortKey(name));

  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });

  std::vector<std::string> sorted;
  sorted.reserve(names.size());
  for (std::size_t index : order) sorted.push_back(std::move(names[index]));
  names = std::move(sorted);
}

}  // namespace tarnvel
