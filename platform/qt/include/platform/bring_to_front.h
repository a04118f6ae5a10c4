#pragma once
// Shows a window on top of the others with the focus, restored if it was minimised: what a user expects
// when starting a program that already runs.

class QWidget;

namespace platform
{

void bringToFront(QWidget *window);

} // namespace platform
