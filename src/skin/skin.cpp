#include "skin/skin.h"

namespace tarnvel {

int SetSkin(int /*style*/) { return 0; }

}  // namespace tarnvel
