#pragma once

#include "record/statoregistro.h"

#include <QString>
#include <QStringList>

#include <optional>

// A school lab's server for the class record, as the technician names it in
// a small INI file: the system's /etc/tarvelo/registro.ini, then the user's
// own ~/.config/tarvelo/registro.ini ($XDG_CONFIG_HOME), whose keys override
// the system's one by one:
//
//   [server]
//   host = 192.168.1.10          a name, an address or a socket folder
//   porta = 5432
//   database = tarvelo
//   ruolo_alunni = tarvelo_alunni
//   file_password = /home/alunno/.config/tarvelo/password
//   ruolo_docente = tarvelo_docente
//
// Only host is required; the others default to the values above, except
// file_password, whose absence leaves the password to libpq (~/.pgpass or
// $PGPASSFILE).

struct ConfigurazioneServer final
{
    QString host;
    int porta = 5432;
    QString database = QStringLiteral("tarvelo");
    QString ruoloAlunni = QStringLiteral("tarvelo_alunni");
    QString filePassword; // empty: libpq's own ~/.pgpass or $PGPASSFILE
    QString ruoloDocente = QStringLiteral("tarvelo_docente");
    /** Empty when the files are well formed; otherwise what is wrong, in Italian (file,
        line, key), and no server is used. */
    QString errore;

    bool operator==(const ConfigurazioneServer &altra) const;
    bool operator!=(const ConfigurazioneServer &altra) const { return !(*this == altra); }
};

/** The system's file, then the user's. */
QStringList fileConfigurazioneServer();

/** The lab's server named by the files, read in order (later keys override earlier ones);
    empty when no file exists or none sets a key: no lab, the record stays on this computer.
    A file that cannot be read or is malformed gives a configuration whose errore says why. */
std::optional<ConfigurazioneServer> leggiConfigurazioneServer(const QStringList &file = fileConfigurazioneServer());

/** The password in the first line of a file, or why it cannot be used. */
struct PasswordLetta final
{
    QString password;
    Guasto guasto = Guasto::nessuno; // Guasto::filePassword when it cannot be used
    QString motivo;                  // what is wrong, in Italian
};

/** Reads the password file; a file that anyone but its owner may read is refused. */
PasswordLetta leggiPassword(const QString &percorso);
