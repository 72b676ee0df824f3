// The captions a window shows, for checking from outside which language it
// speaks.
#pragma once

#include <QStringList>

class QWidget;

namespace vn::ui {

// "name=caption" for every named menu, menu entry, group box, button and
// label of the window, in the order they were created.
QStringList Captions(const QWidget& window);

}  // namespace vn::ui
