// Finding a window's controls as the tests know them: by their design names,
// which the windows give them as objectName.
#pragma once

#include <QObject>

#include <gtest/gtest.h>

namespace vn::test {

// The control of that name in the window; the test fails where there is none.
template <typename T = QWidget>
T* Control(const QObject* window, const char* name) {
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

}  // namespace vn::test
