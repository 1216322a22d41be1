#pragma once
// The window tests find controls by the names the windows give them; a
// missing one ends the test program at once, naming it.
#include <QString>
#include <QWidget>

namespace sc::test {

template <typename T>
T* child(QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) qFatal("no control %s", qPrintable(name));
    return found;
}

}  // namespace sc::test
