#pragma once

#include "righescheda.h"

#include "frame/modulo2.h"

#include <QString>

struct Servizi;

// Writes worksheet lines into the shared state: entry Indice of SchedaAlunni
// and of SchedaDocenti. Every line reseeds the random source from the clock,
// draws its kind (Caso) from TipoDa to TipoA and its numbers by Livello, then
// builds the two lines from the tables of righescheda.h.
class GeneratoreSchede final
{
public:
    GeneratoreSchede(Modulo2 &stato, Servizi &servizi);

    /**
     * One line of that operation at Indice. A Caso outside the operation's kinds
     * (1 to 4 for Add and Sot, 1 to 12 for Mol and Div) writes nothing and the
     * two entries keep what they held.
     */
    void Add();
    void Sot();
    void Mol();
    void Div();
    /**
     * One line of the operation chosen by Operazione (3, 6 and 7 mix them line
     * by line); any value outside 1 to 7 writes nothing.
     */
    void GeneraRiga();

    /** The kind of the last line drawn. */
    Modulo2::int16 Caso() const { return m_caso; }
    /** The sign that answers the last line, when it was a sign line. */
    const QString &Segno() const { return m_segno; }

private:
    void scriviRiga(Conto conto);
    void GeneraTermini();
    void GeneraFattori();
    void GeneraDivisione();
    void estraiDifferenza(Conto conto);

    Modulo2 &m_stato;
    Servizi &m_servizi;
    Modulo2::int16 m_caso = 0;
    QString m_segno;
};
