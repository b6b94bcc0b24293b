#include "passwordinsegnante.h"

#include <sodium.h>

namespace {

bool sodioPronto()
{
    static const bool pronto = sodium_init() >= 0;
    return pronto;
}

} // namespace

QString passwordinsegnante::problemaNuova(const QString &password, const QString &ripetuta)
{
    if (password.size() < lunghezzaMinima)
        return QStringLiteral("La password deve avere almeno %1 caratteri.").arg(lunghezzaMinima);
    if (password != ripetuta)
        return QStringLiteral("Le due password non sono uguali: scrivile di nuovo.");
    return QString();
}

QByteArray passwordinsegnante::hash(const QString &password)
{
    if (!sodioPronto())
        return QByteArray();
    const QByteArray chiaro = password.toUtf8();
    QByteArray risultato(crypto_pwhash_STRBYTES, '\0');
    if (crypto_pwhash_str(risultato.data(), chiaro.constData(), static_cast<unsigned long long>(chiaro.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return QByteArray();
    // The hash is a text ended by its first zero byte.
    risultato.truncate(static_cast<qsizetype>(qstrlen(risultato.constData())));
    return risultato;
}

bool passwordinsegnante::giusta(const QByteArray &hash, const QString &password)
{
    if (!sodioPronto() || hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray chiaro = password.toUtf8();
    // A QByteArray's data is always zero-ended, as libsodium reads the text.
    return crypto_pwhash_str_verify(hash.constData(), chiaro.constData(),
                                    static_cast<unsigned long long>(chiaro.size()))
           == 0;
}
