#include "postazione.h"

#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

Postazione questaPostazione()
{
    Postazione postazione;
    postazione.computer = QSysInfo::machineHostName();
    const passwd *utente = getpwuid(geteuid());
    postazione.utente = utente ? QString::fromLocal8Bit(utente->pw_name) : qEnvironmentVariable("USER");
    postazione.processo = getpid();
    return postazione;
}

bool processoVivo(qint64 processo)
{
    // A process of another user answers "not permitted": it runs all the same.
    return processo > 0 && (::kill(static_cast<pid_t>(processo), 0) == 0 || errno == EPERM);
}
