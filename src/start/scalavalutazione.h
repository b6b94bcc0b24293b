#pragma once

#include <QString>

#include <vector>

// The grading scale as the grading window lists it, read from the same table
// by which the certificate grades.

/** One grade of the scale: its word, the scores that earn it ("9 - 10", "8")
    and the share of right answers they stand for ("90% o più"). */
struct RigaScala final
{
    QString voto;
    QString punteggio;
    QString quota;
};

/** The grades from the best down. */
std::vector<RigaScala> righeScala();

/** How the score is reckoned and when a certificate can be printed. */
QString regoleValutazione();
