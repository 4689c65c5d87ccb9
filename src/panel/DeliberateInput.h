#pragma once

class QComboBox;
class QScrollBar;

namespace zor {

// A setting changes only when the operator picks a value on purpose. The
// mouse wheel over a closed drop-down field or a step control changes
// nothing (it would send and store a value the operator never chose), and
// text typed into a drop-down field picks no entry, neither by completion
// nor by Enter. An open list still scrolls with the wheel, and the arrow keys
// still work on a control that has the focus.
void takeOnlyDeliberatePicks(QComboBox* field);
void takeOnlyDeliberateSteps(QScrollBar* step);

} // namespace zor
