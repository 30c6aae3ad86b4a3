#pragma once
// The access password kept as a salted, slow hash, never as its text: PBKDF2 with
// HMAC-SHA-256 over the password's UTF-8 bytes and a random salt, stored as
// "pbkdf2-sha256:<iterations>:<salt in base64>:<key in base64>". An empty stored text means
// that no password is set.

#include <QString>

// A new stored text for `password`, with a fresh random salt. REQUIRES: a non-empty password.
QString hashPassword(const QString& password);

// Whether `candidate` is the password of `stored`. With no password set only the empty
// candidate matches; a stored text that is not a hash of this form matches nothing.
bool passwordMatches(const QString& stored, const QString& candidate);
