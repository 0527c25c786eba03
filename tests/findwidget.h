#pragma once

#include <QWidget>

// The window's widget with this object name; a test cannot go on without it.
template<typename T>
T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}
