#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QQueue>
#include <QTextDocument>
#include <QTimer>

#include <functional>

// Chooses the file at the absolute path in a file dialog, as a user who
// types it in. An absolute path in the name field does not depend on the
// dialog's directory, which the dialog changes asynchronously. A file the
// dialog selected before would win over the typed name: typing deselects it
// only in a focused field. The dialog's own accept() runs later, so that the
// question it may ask about replacing a file is answered like any other box.
inline void chooseFile(QFileDialog *dialog, const QString &path)
{
    for (QAbstractItemView *view : dialog->findChildren<QAbstractItemView *>())
        view->clearSelection();
    dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

// Answers the modal windows that the code under test opens. A modal window
// runs its own event loop inside the call that opened it, so the test cannot
// answer it afterwards; a repeating timer looks at the active modal window
// instead. Message boxes get the queued answers in order (then their escape
// button); any other modal window (a dialog) goes to the dialog handler.
class ModalAnswerer
{
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        // Its text shows as written, not as markup.
        bool asWritten;
    };

    // Returns true once it has dealt with the dialog, false to be asked
    // again at the next tick (for example while the dialog is still busy).
    using DialogHandler = std::function<bool(QWidget *dialog)>;

    ModalAnswerer()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { tick(); });
        timer.start();
    }

    void answerBoxes(const QList<QMessageBox::StandardButton> &buttons)
    {
        for (QMessageBox::StandardButton b : buttons)
            answers.enqueue(b);
    }

    // Every message box with this title gets this button, whenever it comes;
    // the queue is left to the others.
    void answerBoxesTitled(const QString &title, QMessageBox::StandardButton button) { byTitle[title] = button; }
    // Message boxes with this title are left open, as by a user who is away.
    void leaveBoxesOpen(const QString &title) { byTitle[title] = QMessageBox::NoButton; }

    void handleDialogs(DialogHandler handler) { dialogHandler = std::move(handler); }

    // Called for every message box before it is answered, to look at the
    // state of the program while the box is open.
    void whenBoxShown(std::function<void(QMessageBox *)> look) { onBox = std::move(look); }

    // Every message box seen, oldest first.
    QList<Box> boxes;

    QStringList titles() const
    {
        QStringList result;
        for (const Box &b : boxes)
            result << b.title;
        return result;
    }

private:
    void tick()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || busy)
            return;
        busy = true;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            answer(box);
        else if (dialogHandler)
            dialogHandler(modal);
        busy = false;
    }

    void answer(QMessageBox *box)
    {
        if (box == lastBox)
            return; // already answered, still closing
        lastBox = box;
        boxes.append({box->windowTitle(), box->text(), box->icon(),
                      box->textFormat() == Qt::PlainText
                          || (box->textFormat() == Qt::AutoText && !Qt::mightBeRichText(box->text()))});
        if (onBox)
            onBox(box);
        QAbstractButton *button = nullptr;
        if (byTitle.value(box->windowTitle(), QMessageBox::Ok) == QMessageBox::NoButton)
            return;
        if (byTitle.contains(box->windowTitle()))
            button = box->button(byTitle.value(box->windowTitle()));
        else if (!answers.isEmpty())
            button = box->button(answers.dequeue());
        if (!button)
            button = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
        if (button)
            button->click();
    }

    QTimer timer;
    QQueue<QMessageBox::StandardButton> answers;
    QMap<QString, QMessageBox::StandardButton> byTitle;
    DialogHandler dialogHandler;
    std::function<void(QMessageBox *)> onBox;
    QPointer<QMessageBox> lastBox;
    bool busy = false;
};
