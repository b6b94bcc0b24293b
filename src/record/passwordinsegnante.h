#pragma once

#include <QByteArray>
#include <QString>

// The teacher's password on a computer without a lab's server: kept in the
// record file only as a salted Argon2id hash (libsodium's crypto_pwhash_str),
// never in clear. Hashing takes a noticeable moment and much memory on
// purpose: call these on the record's thread, never on the windows'.
namespace passwordinsegnante {

constexpr int lunghezzaMinima = 4;

/** Why a new password cannot be taken, in Italian; empty when it can. ripetuta is the
    password typed a second time. */
QString problemaNuova(const QString &password, const QString &ripetuta);

/** The hash to keep for password (its own random salt every time); empty if it could
    not be made. */
QByteArray hash(const QString &password);

/** True when password is the one hash was made from. */
bool giusta(const QByteArray &hash, const QString &password);

} // namespace passwordinsegnante
