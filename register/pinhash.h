#pragma once

#include <QString>

// An operator's PIN as the register keeps it: a slow salted hash (scrypt),
// never the PIN. Guessing a four-digit PIN from a stolen register then costs
// 10,000 scrypt runs per account rather than a look-up.
namespace PinHash {

// Why the PIN cannot be an operator's; empty when it can.
QString problem(const QString &pin);

// "scrypt$N$r$p$<salt, base64>$<hash, base64>" of the PIN with a new random
// salt; empty when the crypto library fails.
QString make(const QString &pin);

// Whether the PIN is the one of the stored hash; false for a stored text of
// no known form. Takes as long as make().
bool matches(const QString &pin, const QString &stored);

} // namespace PinHash
