// The record of the series since the program started and its rows.
#include "frame/modulo2.h"
#include "start/elencoserie.h"
#include "start/registroserie.h"
#include "support/orologiofinto.h"
#include "support/tabella.h"

#include <QtTest>

#include <tuple>

namespace {

// One series of objective "A" at level 4 from 10:00:00 on 05/12/2026: its counts and time when
// it ends, the seconds it lasts; then 20 more answers, which change nothing. The row listed.
struct Registro { const char *nome; int operazioni, esatte; double tempo; float durata; const char *atteso; };
constexpr Registro registri[] = {
    {"afternoon end: 24 hours, whole seconds", 10, 5, 33.9, 12630.9f, "05/12/2026|13:30:30|A|4|10|5|33|SUFFICIENTE (!)"},
    {"left before any answer: dropped", 0, 0, 0, 10, ""},
};
} // namespace

class TstRegistroSerie final : public QObject
{
    Q_OBJECT

private slots:
    void serie_data() { righeDa(registri); }
    void serie()
    {
        const Registro &r = rigaDi(registri);
        RegistroSerie registro;
        Modulo2 stato;
        OrologioFinto orologio;
        stato.DescrizioneObiettivo = QStringLiteral("A");
        stato.Livello = 4;
        registro.inizia(stato, orologio);
        std::tie(stato.NumeroOperazioni, stato.RisposteEsatte) = std::tuple(Modulo2::int16(r.operazioni), Modulo2::int16(r.esatte));
        stato.TempoTotale = r.tempo;
        registro.aggiorna(stato);
        orologio.avanza(r.durata);
        registro.termina(orologio);
        stato.NumeroOperazioni = 20;
        registro.aggiorna(stato);
        QStringList righe;
        for (const SerieRegistrata &serie : registro.serie())
            righe.append(rigaSerie(serie).join(QLatin1Char('|')));
        QCOMPARE(righe.join(QLatin1Char('\n')), QLatin1String(r.atteso));
    }
};

QTEST_GUILESS_MAIN(TstRegistroSerie)
#include "tst_registroserie.moc"
