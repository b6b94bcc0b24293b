#pragma once

#include <QDate>
#include <QString>

#include <functional>

class QWidget;

// The questions the grading window asks the teacher in dialogs, in Italian:
// Qt's own file dialog and small ones of ours. Tests put their own answers here.
struct Dialoghi final
{
    /** The file to save into, proposto first; empty when cancelled. */
    std::function<QString(const QString &proposto)> file;
    /** A question answered "Sì" (true) or "No". */
    std::function<bool(const QString &domanda)> conferma;
    /** A pupil's name; empty when cancelled (a blank name cannot be confirmed). */
    std::function<QString(const QString &domanda)> nome;
    /** A day, proposta first; null when cancelled. */
    std::function<QDate(const QString &domanda, const QDate &proposta)> giorno;
};

/** The real dialogs, over padre. */
Dialoghi dialoghiQt(QWidget *padre);
