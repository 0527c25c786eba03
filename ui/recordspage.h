#pragma once

#include <QWidget>

class QStackedLayout;
class RecordsTab;
class RecordsWindow;

// The Records tab's page in the station's window: the Records view, or,
// while the view is open in a window of its own, a line that says so with
// buttons to bring that window up or take the view back. Closing the window
// takes it back too. The view is one: it moves, it is never copied.
class RecordsPage : public QWidget
{
    Q_OBJECT

public:
    explicit RecordsPage(RecordsTab *view, QWidget *parent = nullptr);

    RecordsTab *view() const { return records; }
    // The window the view is open in; nullptr while it is on the page.
    RecordsWindow *recordsWindow() const { return window; }

public slots:
    // Moves the view into its window, or brings the window up.
    void openWindow();
    // Moves the view back onto the page and closes its window.
    void takeBack();

private:
    RecordsTab *const records;
    QStackedLayout *stack;
    QWidget *placeholder;
    RecordsWindow *window = nullptr; // a child of the page, gone with it
};
