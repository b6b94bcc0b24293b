// Plays a series on the real exercise window, recorded into the class record's
// file named by its argument, and never ends it: the test kills it. It prints
// the series' id, then each operation's index and log line once the record has
// written it, one a line:
//
//   serieinciclo <file>      serie|<id>   1|<log line>   2|<log line> ...
//
// Every third operation is answered wrong first and helped; the clock moves a
// second with every answer.

#include "exercise/provafrmoperativo.h"

#include "record/registroclasse.h"

#include <QApplication>
#include <QThread>

#include <cstdio>

namespace {
void scrivi(const QString &riga)
{
    std::fputs(riga.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AmbienteProva ambiente;
    ambiente.avviaRegistro(QString::fromLocal8Bit(argv[1]));
    FrmOperativo *f = prova::apri(1, 3);
    scrivi(QStringLiteral("serie|") + registroClasse().serieAttuale().toString(QUuid::WithoutBraces));
    for (int i = 1; i < 20; ++i) {
        const int incognita = modulo2().Incognita;
        ambiente.orologio().avanza(1);
        prova::digita(f, QString::number(i % 3 == 0 ? incognita + 1 : incognita) + QStringLiteral("V"));
        if (i % 3 == 0) {
            ambiente.orologio().avanza(1);
            prova::digita(f, QStringLiteral("S"));
        }
        const QString riga = prova::rigaCorrente();
        if (!ambiente.attendiRegistro())
            return 1;
        scrivi(QString::number(i) + QLatin1Char('|') + riga);
        prova::digita(f, QStringLiteral("A"));
    }
    for (;;)
        QThread::sleep(1);
}
