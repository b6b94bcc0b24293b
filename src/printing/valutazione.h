#pragma once

#include <QString>

#include <array>

// Grading of a series for the certificate: the score out of 10, the grade
// word, the score line and whether the certificate may be printed.
namespace valutazione {

inline const QString ottimo = QStringLiteral("OTTIMO");
inline const QString distinto = QStringLiteral("DISTINTO");
inline const QString buono = QStringLiteral("BUONO");
inline const QString sufficiente = QStringLiteral("SUFFICIENTE");
inline const QString sufficienteAlLimite = QStringLiteral("SUFFICIENTE (!)");
inline const QString nonClassificato = QStringLiteral("Non classificato");

/** A certificate needs at least this many operations to be printed. */
constexpr int minimoOperazioni = 10;

/** The highest score: every answer right. */
constexpr int punteggioMassimo = 10;

/** A grade and the lowest score that earns it. */
struct Fascia final
{
    int punteggioMinimo = 0;
    QString voto;
};

/** The grades from the best down; a score earns the first grade whose minimum it reaches.
    The certificate grades by it and the grading window lists it. */
inline const std::array<Fascia, 6> fasce{{
    {9, ottimo},
    {8, distinto},
    {7, buono},
    {6, sufficiente},
    {5, sufficienteAlLimite},
    {0, nonClassificato},
}};

} // namespace valutazione

/**
 * Punteggio: the whole part of 10 x esatte / operazioni, from 0 to 10. With no
 * operations the division cannot be made and the score counts as 0.
 */
int Punteggio(int esatte, int operazioni);

/** The grade word for a score (9-10 OTTIMO down to 0-4 "Non classificato"). */
QString ValutazioneDaPunteggio(int punteggio);

/** "con 17 risposte esatte su 20 richieste": plain digits, no other blanks. */
QString rigaPunteggio(int esatte, int operazioni);

// What the certificate window shows about printing: the notice beside the
// picture (empty when there is nothing to say), the print button's caption
// and whether it can be pressed.
struct StatoStampaAttestato
{
    QString avviso;
    QString didascalia;
    bool abilitato = true;
};

StatoStampaAttestato statoStampaAttestato(int operazioni, const QString &valutazione);
