#include "tastierapulsanti.h"

TastieraPulsanti::Azione TastieraPulsanti::tastoGiu(int codice, int conFuoco)
{
    if (m_tastoInCorso)
        return {};
    const int n = m_regole.numeroPulsanti;
    const int primoTastierino = codiceTastierino0 + m_regole.primaCifraTastierino;
    Azione azione;
    if (codice >= codiceCifra0 + 1 && codice <= codiceCifra0 + n)
        azione = {Azione::Tipo::Fuoco, codice - codiceCifra0 - 1};
    else if (codice >= primoTastierino && codice < primoTastierino + n)
        azione = {Azione::Tipo::Fuoco, codice - primoTastierino};
    else if (codice == codiceInvio)
        azione = {Azione::Tipo::Esegui, conFuoco};
    else if (!m_regole.tastiSenzaEffetto.contains(QChar(codice)))
        return {}; // any other key is cancelled and not held
    m_tastoInCorso = true;
    return azione;
}

TastieraPulsanti::Azione TastieraPulsanti::carattere(QChar c, int conFuoco)
{
    if (m_carattereInCorso)
        return {};
    if (c == QLatin1Char(' ')) {
        m_carattereInCorso = true;
        const int prossimo = conFuoco + 1 >= m_regole.numeroPulsanti ? 0 : conFuoco + 1;
        return {Azione::Tipo::Fuoco, prossimo};
    }
    if (m_regole.caratteriTrattenuti.isEmpty() || m_regole.caratteriTrattenuti.contains(c))
        m_carattereInCorso = true;
    return {};
}

void TastieraPulsanti::tastoSu()
{
    m_tastoInCorso = false;
    m_carattereInCorso = false;
}

TastieraPulsanti::Regole regoleStampaEsercizio()
{
    return {4, 0, QStringLiteral("ES"), QStringLiteral("1234")};
}

TastieraPulsanti::Regole regoleAttestato()
{
    return {3, 1, QString(), QString()};
}
