#pragma once

#include <QMessageBox>

// A modal message box whose text is shown exactly as written. Its texts name
// programs, files, folders and comments that come from the controller, from
// disk or from users: a program named "<b>x</b>" or "<img src=...>" must read
// as that name, never turn into markup, as Qt's automatic format would make it.
class PlainMessageBox
{
public:
    // As QMessageBox's static functions: the button pressed, or the escape
    // button's when the box is closed.
    static QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
};
