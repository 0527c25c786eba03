#pragma once

#include "register/cycleverifier.h"

#include <QDateTime>
#include <QString>

class CycleRegister;

// The full verification of a register: its entries, chains, verdicts,
// releases and logs (CycleVerifier), and its time stamps, each against the
// authority's certificate, with every position they stamp still on its
// chain.
namespace RegisterVerification {

struct Result {
    // Problems of the time stamps included.
    CycleVerifier::Report report;
    int stamps = 0;        // stored
    int stampsChecked = 0; // checked against the certificate
    // The authority's time in the newest token that verifies: history up to
    // then is proven; invalid when none does.
    QDateTime provenUntil;
    // Stamps are stored, but no certificate was given to check them.
    bool certificateMissing() const { return stamps > 0 && stampsChecked == 0 && !certificateGiven; }
    bool certificateGiven = false;
};

// The log files a verification on this computer reads: all of a register
// file's; of a server's, those of the entries this computer entered (the
// others lie on the stations that wrote them).
CycleVerifier::Logs logsToCheck(const CycleRegister &cycleRegister);

// certificateFile: the authority's certificate (PEM); empty: the tokens are
// not checked, the positions they stamp are. witnesses: positions known from
// outside the register (printouts), checked with those the tokens stamp.
Result run(CycleRegister &cycleRegister, CycleVerifier::Logs logs, const QString &certificateFile,
           const QVector<ChainPosition> &witnesses = {}, const CycleVerifier::Progress &progress = {});

// What the time stamps proved, in a line: how many were checked and the
// newest time they prove, or why none was.
QString stampsLine(const Result &result);

} // namespace RegisterVerification
