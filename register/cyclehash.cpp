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
// The canonical form of an entry, version 2, is version 1 with the first
// field "vaporin-cycle-entry-2", followed by
//
//  25  log name as stored (the file name of the log path; empty without log)
//  26  the verdict's stored values in the order of the verdicts table's
//      columns (result, reason, hold in 0.01 °C and minutes, the band's lower
//      tolerance and upper band in 0.01 K, the stretch, hold, lowest,
//      highest and gap as ms and 0.01 °C), each a field, decimal for
//      numbers; 16 fields, all NULL without verdict
//
// A scheme 1 entry's record in the ledger, version 1:
//
//   1  "vaporin-cycle-entry-seal-1"
//   2  the entry's hash
//   3  log name as stored
//   4  the verdict's values as in field 26 above
//
// An audit event's canonical form, version 1:
//
//   1  "vaporin-audit-event-1"
//   2  its time (two fields, 2 and 3)
//   4  operating-system user
//   5  station
//   6  kind
//   7  controller serial number
//   8  the ID of its entry in this register; NULL for none
//   9  details
//
// A link of the ledger, version 1:
//
//   1  "vaporin-ledger-link-1"
//   2  chain
//   3  sequence in the chain (1 for the first)
//   4  kind of record ("entry", "release", "event", ...)
//   5  record ID
//   6  record hash
//   7  the previous link's hash; empty for the first

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
constexpr char version2[] = "vaporin-cycle-entry-2";
constexpr char sealVersion[] = "vaporin-cycle-entry-seal-1";
constexpr char releaseVersion[] = "vaporin-cycle-release-1";
constexpr char eventVersion[] = "vaporin-audit-event-1";
constexpr char linkVersion[] = "vaporin-ledger-link-1";

// A verdict's stored values, each a field; all NULL without verdict.
void verdictFields(HashForm &form, const std::optional<CycleVerdict> &verdict)
{
    if (verdict) {
        for (const QVariant &v : VerdictRow::values(*verdict))
            form.value(v);
    } else {
        for (int i = 0; i < VerdictRow::columnCount(); ++i)
            form.null();
    }
}

} // namespace

QString entryHash(const Cycle &cycle)
{
    HashForm form;
    form.out.reserve(1024 + cycle.samples.size() * 16);
    form.field(QByteArray(cycle.hashScheme == 1 ? version : version2));
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
    if (cycle.hashScheme != 1) {
        form.field(cycle.logName);
        verdictFields(form, cycle.verdict);
    }
    return Sha256::hex(form.out);
}

QString entryRecordHash(const Cycle &cycle)
{
    if (cycle.hashScheme != 1)
        return cycle.entryHash;
    HashForm form;
    form.field(QByteArray(sealVersion));
    form.field(cycle.entryHash);
    form.field(cycle.logName);
    verdictFields(form, cycle.verdict);
    return Sha256::hex(form.out);
}

QString eventHash(const AuditEvent &event)
{
    HashForm form;
    form.field(QByteArray(eventVersion));
    form.instant(event.at);
    form.field(event.osUser);
    form.field(event.station);
    form.field(event.kind);
    form.field(event.controllerSerial);
    form.optional(event.cycleId != 0, event.cycleId);
    form.field(event.details);
    return Sha256::hex(form.out);
}

QString linkHash(const QString &chain, qint64 sequence, const QString &kind, qint64 recordId,
                 const QString &recordHash, const QString &previousHash)
{
    HashForm form;
    form.field(QByteArray(linkVersion));
    form.field(chain);
    form.field(sequence);
    form.field(kind);
    form.field(recordId);
    form.field(recordHash);
    form.field(previousHash);
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
