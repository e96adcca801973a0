// Resource identifiers, shared by the resource script and the code.
#pragma once

#define kIconMainWindow 1
#define kBitmapFolders 1031
