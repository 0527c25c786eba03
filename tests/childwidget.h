#pragma once

#include <QWidget>

// The window's widget with that object name. A missing one ends the test
// program at once: every later step would only fail less clearly.
template<typename T>
T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}
