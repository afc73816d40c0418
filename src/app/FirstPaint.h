#pragma once

#include <functional>

class QObject;
class QWidget;

namespace FirstPaint {

// Runs then once widget has painted for the first time, after that paint
// rather than inside it: for what a start needs but its first frame need not
// wait for. Nothing runs if context goes first.
void then(QWidget *widget, QObject *context, std::function<void()> then);

} // namespace FirstPaint
