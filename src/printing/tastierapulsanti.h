#pragma once

#include <QChar>
#include <QString>

// The keyboard on a row of push buttons of the report and certificate
// windows. Keys come as key codes ("1" is 49, keypad 0 is 96, Enter 13) and
// characters; a key or character held down acts only once, until a key goes up.
class TastieraPulsanti final
{
public:
    struct Regole
    {
        int numeroPulsanti = 0;
        /** Keypad digit that focuses the first button (the next digits the next buttons). */
        int primaCifraTastierino = 0;
        /** Further key codes that are accepted but do nothing else. */
        QString tastiSenzaEffetto;
        /** Characters that count as held; empty means every character. */
        QString caratteriTrattenuti;
    };

    struct Azione
    {
        enum class Tipo { Nessuna, Fuoco, Esegui };
        Tipo tipo = Tipo::Nessuna;
        int indice = -1; // the button to focus, or to act on
    };

    static constexpr int codiceInvio = 13;
    static constexpr int codiceCifra0 = 48;
    static constexpr int codiceTastierino0 = 96;

    explicit TastieraPulsanti(Regole regole)
        : m_regole(std::move(regole))
    {
    }

    /** A key goes down while button conFuoco (-1 for none) has the focus. */
    Azione tastoGiu(int codice, int conFuoco);
    /** A character is typed while button conFuoco has the focus. */
    Azione carattere(QChar c, int conFuoco);
    /** Any key goes up. */
    void tastoSu();

    bool tastoInCorso() const { return m_tastoInCorso; }
    bool carattereInCorso() const { return m_carattereInCorso; }

private:
    Regole m_regole;
    bool m_tastoInCorso = false;
    bool m_carattereInCorso = false;
};

/** The report window's row: "1"-"4" and keypad 0-3, "E" and "S" accepted; only "1"-"4" count as held. */
TastieraPulsanti::Regole regoleStampaEsercizio();
/** The certificate window's row: "1"-"3" and keypad 1-3; every character counts as held. */
TastieraPulsanti::Regole regoleAttestato();
