#include "generatoreschede.h"

#include "frame/servizi.h"

#include <array>

namespace {

using int16 = Modulo2::int16;

struct Intervallo
{
    int minimo = 0;
    int massimo = 0;
    bool contiene(int n) const { return n >= minimo && n <= massimo; }
};

// By level: the range of each number drawn, and the bounds its sum (for
// additions and subtractions) or product (for multiplications and divisions)
// must meet.
struct Limiti
{
    Intervallo numero;
    Intervallo totale;
};

constexpr std::array<Limiti, 4> terminiPerLivello{{
    {{2, 21}, {0, 30}},
    {{10, 39}, {30, 60}},
    {{20, 79}, {60, 90}},
    {{20, 109}, {0, 90}},
}};

// The products follow the captions of the level options: up to 40, 30 to 70,
// 50 to 99 and up to 99. Two factors up to 10 below 100 give at most 90, so
// R + D stays below 100 and every number keeps two characters.
constexpr std::array<Limiti, 4> fattoriPerLivello{{
    {{1, 10}, {0, 40}},
    {{2, 10}, {30, 70}},
    {{2, 10}, {50, 99}},
    {{1, 10}, {0, 99}},
}};

// A division is exact: the dividend R = T1 x T2 is divided by T2 (or by T1 on
// the lines that read R : T1), so both are divisors and both lie from 1 to 9
// at every level; the dividend stays within the level's range.
constexpr std::array<Limiti, 4> divisioniPerLivello{{
    {{1, 9}, {0, 40}},
    {{1, 9}, {30, 70}},
    {{1, 9}, {50, 99}},
    {{1, 9}, {0, 99}},
}};

constexpr Intervallo differenza{1, 9};

// Operations of a sheet by Operazione 1 to 7; where there are several, each
// line draws one of them.
struct Miscela
{
    std::array<Conto, 4> conti;
    int quante = 1;
};

constexpr std::array<Miscela, 7> contiPerOperazione{{
    {{Conto::Add}, 1},
    {{Conto::Sot}, 1},
    {{Conto::Add, Conto::Sot}, 2},
    {{Conto::Mol}, 1},
    {{Conto::Div}, 1},
    {{Conto::Mol, Conto::Div}, 2},
    {{Conto::Add, Conto::Sot, Conto::Mol, Conto::Div}, 4},
}};

const Limiti *limitiDelLivello(const std::array<Limiti, 4> &tabella, int livello)
{
    return livello >= 1 && livello <= 4 ? &tabella[static_cast<std::size_t>(livello - 1)] : nullptr;
}

int16 breve(int n)
{
    return static_cast<int16>(n);
}

// T1 and T2 from the level's row, drawn again until their product is in range.
void estraiCoppia(Modulo2 &stato, Casuale &casuale, const std::array<Limiti, 4> &tabella)
{
    const Limiti *limiti = limitiDelLivello(tabella, stato.Livello);
    if (!limiti)
        return;
    int t1 = 0;
    int t2 = 0;
    do {
        t1 = casuale.intero(limiti->numero.minimo, limiti->numero.massimo);
        t2 = casuale.intero(limiti->numero.minimo, limiti->numero.massimo);
    } while (!limiti->totale.contiene(t1 * t2));
    stato.Termine1 = breve(t1);
    stato.Termine2 = breve(t2);
}

} // namespace

GeneratoreSchede::GeneratoreSchede(Modulo2 &stato, Servizi &servizi)
    : m_stato(stato)
    , m_servizi(servizi)
{
}

void GeneratoreSchede::Add()
{
    scriviRiga(Conto::Add);
}

void GeneratoreSchede::Sot()
{
    scriviRiga(Conto::Sot);
}

void GeneratoreSchede::Mol()
{
    scriviRiga(Conto::Mol);
}

void GeneratoreSchede::Div()
{
    scriviRiga(Conto::Div);
}

void GeneratoreSchede::GeneraRiga()
{
    const int operazione = m_stato.Operazione;
    if (operazione < 1 || operazione > static_cast<int>(contiPerOperazione.size()))
        return;
    const Miscela &miscela = contiPerOperazione[static_cast<std::size_t>(operazione - 1)];
    const int scelta = miscela.quante > 1 ? m_servizi.casuale.intero(1, miscela.quante) : 1;
    scriviRiga(miscela.conti[static_cast<std::size_t>(scelta - 1)]);
}

void GeneratoreSchede::scriviRiga(Conto conto)
{
    Casuale &casuale = m_servizi.casualeRimescolato();
    m_caso = breve(casuale.intero(m_stato.TipoDa, m_stato.TipoA));
    if (!casoValido(conto, m_caso))
        return;

    Modulo2 &s = m_stato;
    if (conto == Conto::Add || conto == Conto::Sot) {
        GeneraTermini();
        s.Incognita = breve(s.Termine1 + s.Termine2 + s.Termine3);
    } else {
        conto == Conto::Mol ? GeneraFattori() : GeneraDivisione();
        s.Incognita = breve(s.Termine1 * s.Termine2);
    }
    CalcolaConfronto(s, conto, m_caso);
    m_segno = segnoRiga(conto, m_caso);
    CalcolaSpaziScheda(s);

    const QString alunno = rigaAlunno(s, conto, m_caso);
    s.Separatore = separatoreScheda;
    s.SchedaAlunni.imposta(s.Indice, alunno);
    s.SchedaDocenti.imposta(s.Indice, rigaDocente(alunno, s.Separatore, rispostaRiga(s, conto, m_caso)));
}

void GeneratoreSchede::GeneraTermini()
{
    const Limiti *limiti = limitiDelLivello(terminiPerLivello, m_stato.Livello);
    if (!limiti)
        return;
    Casuale &casuale = m_servizi.casuale;
    int t1 = 0;
    int t2 = 0;
    int t3 = 0;
    do {
        t1 = casuale.intero(limiti->numero.minimo, limiti->numero.massimo);
        t2 = casuale.intero(limiti->numero.minimo, limiti->numero.massimo);
        t3 = casuale.intero(limiti->numero.minimo, limiti->numero.massimo);
    } while (!limiti->totale.contiene(t1 + t2 + t3));
    m_stato.Termine1 = breve(t1);
    m_stato.Termine2 = breve(t2);
    m_stato.Termine3 = breve(t3);
}

void GeneratoreSchede::GeneraFattori()
{
    estraiCoppia(m_stato, m_servizi.casuale, fattoriPerLivello);
    estraiDifferenza(Conto::Mol);
}

void GeneratoreSchede::GeneraDivisione()
{
    estraiCoppia(m_stato, m_servizi.casuale, divisioniPerLivello);
    estraiDifferenza(Conto::Div);
}

void GeneratoreSchede::estraiDifferenza(Conto conto)
{
    if (rigaDelSegno(conto, m_caso))
        m_stato.Differenza = breve(m_servizi.casuale.intero(differenza.minimo, differenza.massimo));
}
