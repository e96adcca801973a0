// The order in which the tree view sorts items inserted with TVI_SORT,
// reproduced in n log n so that a folder's subfolders can be inserted
// presorted with TVI_LAST: TVI_SORT walks the siblings one by one and is
// quadratic.
#pragma once

#include <string>
#include <vector>

namespace tarnvel {

// Sorts `names` as TVI_SORT places them: by the locale's comparison with
// case as the last difference (lstrcmpA), so names that differ only in
// case stand together, lower case first; names the locale compares as
// equal keep their order, as TVI_SORT inserts after an equal item.
void SortLikeTreeView(std::vector<std::string>& names);

}  // namespace tarnvel
