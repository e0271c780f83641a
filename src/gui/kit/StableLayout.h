#pragma once
#include <initializer_list>

class QWidget;

namespace morvik {

// The widgets keep their place in their layout while hidden, so showing or hiding one (a chart awaiting a
// valid input, a row a distribution has no use for) never moves the window's other controls.
void KeepPlaceWhenHidden(std::initializer_list<QWidget*> widgets);

}  // namespace morvik
