#pragma once

class QAbstractButton;

namespace zor {

// Lets an assistive tool switch an option button, a check box or a picture
// switch exactly as a mouse click does. Qt's own interface toggles the
// checked state behind the handlers' backs, so a screen reader's "toggle"
// showed a list as chosen while another one was displayed and sent; here
// both "toggle" and "press" click the control, which sends and stores.
// Installed once, for every such control the program builds.
void installSwitchAccessible();

} // namespace zor
