#pragma once

#include "reports/cycleverdict.h"

#include <QDateTime>
#include <QFrame>

#include <memory>

class QLabel;
class RegisterReader;
class RegisterWriter;
struct Cycle;

// The verdict of the run that has just been entered into the register,
// where the staff at the machine look: large, coloured (PASS green, FAIL
// red, NOT EVALUATED grey), with its one-line reason. It stays until the
// next run starts; hidden while there is none.
class VerdictBanner : public QFrame
{
    Q_OBJECT

public:
    // Shows the verdict of each entry the writer makes, read from the
    // register file that the writer enters the runs into first.
    VerdictBanner(const QString &registerPath, RegisterWriter *writer, QWidget *parent = nullptr);
    ~VerdictBanner() override;

    // A run's entry was made: its verdict shows once read from the register.
    void cycleEntered(qint64 id);
    // A new run begins at this instant: the last one's verdict goes, and
    // so do the entries of earlier runs entered only now (their journals
    // waited for the register).
    void runStarted(const QDateTime &at);
    // The verdict of an entry; an entry without one (the register could not
    // judge it) says so in grey.
    void showVerdict(const Cycle &cycle);

    static QColor color(CycleVerdict::Result result);

private:
    std::unique_ptr<RegisterReader> reader;
    quint64 wanted = 0; // the ticket of the entry to show
    QDateTime runStart; // of the newest run; invalid before the first
    QLabel *result = nullptr;
    QLabel *reason = nullptr;
};
