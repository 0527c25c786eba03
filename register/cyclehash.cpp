#include "register/cyclehash.h"

#include "register/cyclefields.h"
#include "register/hashform.h"
#include "register/samplecodec.h"
#include "register/sha256.h"
#include "register/verdictrow.h"

#include <cmath>

namespace CycleHash {

// The canonical form of an entry, version 1. It never changes once entries
// carry it: a new form gets a new version text and the old one stays
// computable, or every entry made before would read as altered.
//
// The bytes hashed are a sequence of fields. Each field is its length in
// bytes as an unsigned 64-bit big-endian number followed by those bytes; a
// field without value (NULL) is the length 0xFFFFFFFFFFFFFFFF alone. Texts are
// UTF-8, numbers are decimal ASCII ("-" for negative), an instant is two
// fields: milliseconds since 1970-01-01T00:00Z and its UTC offset in seconds.
//
//   1  "vaporin-cycle-entry-1" (the form and its version)
//   2  station (host name)
//   3  controller serial number
//   4  cycle number; NULL when unknown
//   5  program number; NULL when unknown
//   6  program name
//   7  steps as stored ("20@121.0;5@60.0"; empty when unknown)
//   8  adopted: "1" or "0"
//   9  start (two fields, 9 and 10)
//  11  end (two fields, 11 and 12; both NULL when unknown)
//  13  status text
//  14  firmware version
//  15  software version
//  16  origin: "recorded", "recovered" or "imported"
//  17  log path (empty without log)
//  18  log SHA-256, lowercase hex; NULL without log
//  19  entered at (two fields, 19 and 20)
//  21  chain sequence (1 for a controller's first entry)
//  22  number of samples
//  23  samples: per sample its elapsed milliseconds and its temperature in
//      0.01 °C (rounded half away from zero), each a signed 64-bit
//      big-endian number; the decoded values, never the stored blob, so that
//      another compression of the same samples keeps the hash
//  24  previous entry's hash in the same controller's chain, lowercase hex;
//      empty for the first

//
// A release's canonical form, version 1, is made of fields in the same way:
//
//   1  "vaporin-cycle-release-1"
//   2  the cycle's entry hash
//   3  the cycle's verdict when it was released: "pass", "fail" or
//      "not evaluated"; NULL without verdict
//   4  its band's lower tolerance in 0.01 K; NULL without verdict
//   5  its band's upper band in 0.01 K; NULL without verdict
//   6  sequence in the cycle's release history (1 for the first)
//   7  time of the release (two fields, 7 and 8)
//   9  operating-system user
//  10  station (host name)
//  11  operator
//  12  load description
//  13  lot number
//  14  chemical indicator: "passed", "failed" or "unused"
//  15  biological indicator: "pending", "negative", "positive" or "unused"
//  16  decision: "released", "rejected", "quarantined" or "recalled"
//  17  comment
//  18  the cycle's previous release's hash, lowercase hex; empty for the first

namespace {

constexpr char version[] = "vaporin-cycle-entry-1";
constexpr char releaseVersion[] = "vaporin-cycle-release-1";

} // namespace

QString entryHash(const Cycle &cycle)
{
    HashForm form;
    form.out.reserve(1024 + cycle.samples.size() * 16);
    form.field(QByteArray(version));
    form.field(cycle.station);
    form.field(cycle.controllerSerial);
    form.optional(cycle.cycleNumber >= 0, cycle.cycleNumber);
    form.optional(cycle.programNumber > 0, cycle.programNumber);
    form.field(cycle.programName);
    form.field(CycleFields::stepsText(cycle.steps));
    form.field(QByteArray(cycle.adopted ? "1" : "0"));
    form.instant(cycle.started);
    form.instant(cycle.finished);
    form.field(cycle.status);
    form.field(cycle.firmwareVersion);
    form.field(cycle.softwareVersion);
    form.field(CycleFields::originText(cycle.origin));
    form.field(cycle.logPath);
    cycle.logSha256.isEmpty() ? form.null() : form.field(cycle.logSha256);
    form.instant(cycle.enteredAt);
    form.field(cycle.chainSequence);
    form.field(qint64(cycle.samples.size()));
    form.samples(cycle.samples);
    form.field(cycle.previousHash);
    return Sha256::hex(form.out);
}

QString releaseHash(const Release &release, const QString &cycleEntryHash, const std::optional<CycleVerdict> &verdict)
{
    HashForm form;
    form.field(QByteArray(releaseVersion));
    form.field(cycleEntryHash);
    if (verdict) {
        form.field(VerdictRow::resultKeyword(verdict->result));
        form.field(qint64(std::llround(verdict->band.lowerTolerance * 100.0)));
        form.field(qint64(std::llround(verdict->band.upperBand * 100.0)));
    } else {
        form.null();
        form.null();
        form.null();
    }
    form.field(release.sequence);
    form.instant(release.at);
    form.field(release.osUser);
    form.field(release.station);
    form.field(release.operatorName);
    form.field(release.load);
    form.field(release.lot);
    form.field(Release::keyword(release.chemicalIndicator));
    form.field(Release::keyword(release.biologicalIndicator));
    form.field(Release::keyword(release.decision));
    form.field(release.comment);
    form.field(release.previousHash);
    return Sha256::hex(form.out);
}

} // namespace CycleHash
