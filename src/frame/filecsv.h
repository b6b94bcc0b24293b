#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Lists written for spreadsheets: CSV with semicolons, as spreadsheets set to
// Italian read it, saved whole or not at all.

/** One line: the fields separated by semicolons, a field quoted when it holds a semicolon, a
    quote or a line break (its quotes doubled); ended by CR LF. */
QString rigaCsv(const QStringList &campi);

/** The text as the file holds it: UTF-8 after a byte order mark, so that spreadsheets read
    the accented letters right. */
QByteArray contenutoCsv(const QString &testo);

/** Where a list called nome is proposed to be saved: in the documents folder, or in the
    home folder when there is none. */
QString fileNeiDocumenti(const QString &nome);

/** Writes contenuto into the file at percorso, replacing an existing one only once the new
    one is complete, and says how it went: the message for the user, where the list is or why
    it could not be saved. */
QString salvaElenco(const QString &percorso, const QByteArray &contenuto);
/** The message for a list that could not be saved at percorso, for the reason given (Italian,
    to follow a colon). */
QString messaggioSalvataggioFallito(const QString &percorso, const QString &motivo);
