// The visual skin: flat gradient push buttons, edit boxes and combo boxes
// drawn by the program for every such control of the GUI thread.
#pragma once

namespace tarnvel {

// Styles 1 to 3 switch the skin on (after switching off any skin in force)
// and give 1; any other value switches it off and gives the unhook result.
int SetSkin(int style);

}  // namespace tarnvel
