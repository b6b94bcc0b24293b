#include "righescheda.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// What a piece of a line stands for.
enum class Voce : std::uint8_t { Niente, Testo, T1, T2, T3, R, C, Segno };

struct Pezzo
{
    Voce voce = Voce::Niente;
    const char *testo = nullptr;
};

constexpr Pezzo T1{Voce::T1};
constexpr Pezzo T2{Voce::T2};
constexpr Pezzo T3{Voce::T3};
constexpr Pezzo R{Voce::R};
constexpr Pezzo C{Voce::C};
constexpr Pezzo t(const char *testo)
{
    return {Voce::Testo, testo};
}

// One kind of line. A sign line may compare with C = base + D, or with
// C = base - D, which is never below 0.
struct Caso
{
    std::array<Pezzo, 6> pezzi;
    Voce risposta;                 // the number left blank, or Voce::Segno
    const char *segno = "";        // the answer of a sign line
    Voce baseConfronto = Voce::Niente;
    int verso = 0;                 // +1 or -1: how D is applied to the base
};

using Tabella4 = std::array<Caso, 4>;
using Tabella12 = std::array<Caso, 12>;

constexpr Tabella4 addizioni{{
    {{T1, t(" + "), T2, t(" + "), T3, t(" =  .")}, Voce::R},
    {{t(" . + "), T2, t(" + "), T3, t(" = "), R}, Voce::T1},
    {{T1, t(" + "), T3, t(" +  . = "), R}, Voce::T2},
    {{T1, t(" +  . + "), T3, t(" = "), R}, Voce::T2},
}};

constexpr Tabella4 sottrazioni{{
    {{R, t(" - "), T2, t(" - "), T3, t(" =  .")}, Voce::T1},
    {{t(" . - "), T2, t(" - "), T3, t(" = "), T1}, Voce::R},
    {{R, t(" - "), T3, t(" -  . = "), T1}, Voce::T2},
    {{R, t(" -  * - "), T3, t(" = "), T1}, Voce::T2},
}};

constexpr Tabella12 moltiplicazioni{{
    {{T1, t(" x "), T2, t(" =  .")}, Voce::R},
    {{t(" . x "), T2, t(" = "), R}, Voce::T1},
    {{T1, t(" x  . = "), R}, Voce::T2},
    {{t(" . = "), T1, t(" x "), T2}, Voce::R},
    {{R, t(" =  . x "), T1}, Voce::T2},
    {{R, t(" = "), T2, t(" x . ")}, Voce::T1},
    {{T1, t(" x "), T2, t(" . "), R}, Voce::Segno, "="},
    {{T1, t(" x "), T2, t(" . "), C}, Voce::Segno, "<", Voce::R, +1},
    {{T1, t(" x "), T2, t(" . "), C}, Voce::Segno, ">", Voce::R, -1},
    {{R, t(" . "), T2, t(" x "), T1}, Voce::Segno, "="},
    {{C, t(" . "), T2, t(" x "), T1}, Voce::Segno, ">", Voce::R, +1},
    {{C, t(" . "), T2, t(" x "), T1}, Voce::Segno, "<", Voce::R, -1},
}};

constexpr Tabella12 divisioni{{
    {{R, t(" : "), T2, t(" =  .")}, Voce::T1},
    {{t(" . : "), T2, t(" = "), T1}, Voce::R},
    {{R, t(" :  . = "), T2}, Voce::T1},
    {{t(" . = "), R, t(" : "), T2}, Voce::T1},
    {{T1, t(" =  . : "), T2}, Voce::R},
    {{T1, t(" = "), R, t(" :  .")}, Voce::T2},
    {{R, t(" : "), T1, t(" . "), T2}, Voce::Segno, "="},
    {{R, t(" : "), T1, t(" . "), C}, Voce::Segno, ">", Voce::T2, -1},
    {{R, t(" : "), T1, t(" . "), C}, Voce::Segno, "<", Voce::T2, +1},
    {{T1, t(" . "), R, t(" : "), T2}, Voce::Segno, "="},
    {{C, t(" . "), R, t(" : "), T2}, Voce::Segno, ">", Voce::T1, +1},
    {{C, t(" . "), R, t(" : "), T2}, Voce::Segno, "<", Voce::T1, -1},
}};

// The row of the table for caso, or null when the operation has no such kind.
const Caso *trovaCaso(Conto conto, int caso)
{
    if (!casoValido(conto, caso))
        return nullptr;
    const auto i = static_cast<std::size_t>(caso - 1);
    switch (conto) {
    case Conto::Add:
        return &addizioni[i];
    case Conto::Sot:
        return &sottrazioni[i];
    case Conto::Mol:
        return &moltiplicazioni[i];
    case Conto::Div:
        return &divisioni[i];
    }
    return nullptr;
}

int valore(const Modulo2 &stato, Voce voce)
{
    switch (voce) {
    case Voce::T1:
        return stato.Termine1;
    case Voce::T2:
        return stato.Termine2;
    case Voce::T3:
        return stato.Termine3;
    case Voce::R:
        return stato.Incognita;
    case Voce::C:
        return stato.Confronto;
    default:
        return 0;
    }
}

QString spazi(const Modulo2 &stato, Voce voce)
{
    switch (voce) {
    case Voce::T1:
        return stato.Spazi1;
    case Voce::T2:
        return stato.Spazi2;
    case Voce::T3:
        return stato.Spazi3;
    case Voce::R:
        return stato.SpaziIncognita;
    case Voce::C:
        return stato.SpaziConfronto;
    default:
        return {};
    }
}

} // namespace

int numeroCasi(Conto conto)
{
    return conto == Conto::Add || conto == Conto::Sot ? 4 : 12;
}

bool casoValido(Conto conto, int caso)
{
    return caso >= 1 && caso <= numeroCasi(conto);
}

bool rigaDelSegno(Conto conto, int caso)
{
    const Caso *c = trovaCaso(conto, caso);
    return c && c->risposta == Voce::Segno;
}

QString spaziScheda(int numero)
{
    return numero < 10 ? QStringLiteral(" ") : QString();
}

void CalcolaSpaziScheda(Modulo2 &stato)
{
    stato.Spazi1 = spaziScheda(stato.Termine1);
    stato.Spazi2 = spaziScheda(stato.Termine2);
    stato.Spazi3 = spaziScheda(stato.Termine3);
    stato.SpaziIncognita = spaziScheda(stato.Incognita);
    stato.SpaziConfronto = spaziScheda(stato.Confronto);
}

void CalcolaConfronto(Modulo2 &stato, Conto conto, int caso)
{
    const Caso *c = trovaCaso(conto, caso);
    if (!c || c->verso == 0)
        return;
    // A comparison number below 0 would break the two-character columns.
    const int confronto = valore(stato, c->baseConfronto) + c->verso * stato.Differenza;
    stato.Confronto = static_cast<Modulo2::int16>(std::max(confronto, 0));
}

QString segnoRiga(Conto conto, int caso)
{
    const Caso *c = trovaCaso(conto, caso);
    return c ? QString::fromLatin1(c->segno) : QString();
}

QString rigaAlunno(const Modulo2 &stato, Conto conto, int caso)
{
    const Caso *c = trovaCaso(conto, caso);
    if (!c)
        return {};
    QString riga;
    for (const Pezzo &pezzo : c->pezzi) {
        if (pezzo.voce == Voce::Testo)
            riga += QLatin1String(pezzo.testo);
        else if (pezzo.voce != Voce::Niente)
            riga += spazi(stato, pezzo.voce) + QString::number(valore(stato, pezzo.voce));
    }
    return riga;
}

QString rispostaRiga(const Modulo2 &stato, Conto conto, int caso)
{
    const Caso *c = trovaCaso(conto, caso);
    if (!c)
        return {};
    if (c->risposta == Voce::Segno)
        return QString::fromLatin1(c->segno);
    return QString::number(valore(stato, c->risposta));
}

QString rigaDocente(const QString &rigaAlunno, const QString &separatore, const QString &risposta)
{
    // A one-character answer (a digit or a sign) takes one more blank in front,
    // so that ")" closes every teacher line in the same column.
    const QString spazi = risposta.size() < 2 ? QStringLiteral(" ") : QString();
    return rigaAlunno + separatore + spazi + QStringLiteral("   (") + risposta + QLatin1Char(')');
}
