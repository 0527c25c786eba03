#pragma once

#include <QWidget>

class RecordsTab;

// The Records view in a window of its own, resizable to a desk's screen so
// that every column and a large curve fit. The window holds the view it is
// given, not a copy: its filters, chosen cycle and open forms stay as they
// were. Its size and place are remembered; the first time it takes most of
// the screen.
class RecordsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RecordsWindow(RecordsTab *view, QWidget *parent = nullptr);

    RecordsTab *view() const { return records; }

signals:
    // The user closed the window; the view is still in it.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    RecordsTab *const records;
};
