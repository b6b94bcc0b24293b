#include "attestato.h"

#include "maiuscolainiziale.h"
#include "superficiestampante.h"
#include "valutazione.h"

#include "frame/modulo2.h"
#include "frame/orologio.h"
#include "frame/stampante.h"

#include <QStringList>

QVector<RigaAttestato> righeAttestato(const DatiAttestato &d)
{
    using attestato::nero;
    using attestato::rosso;
    const QString arial = QStringLiteral("arial");
    const FontAttestato titolo{arial, 20, true};
    const FontAttestato normale{arial, 12, false};
    const FontAttestato evidenziato{arial, 12, true};
    return {
        {QStringLiteral("DIPLOMA DI MERITO"), titolo, rosso, 0},
        {QStringLiteral("RILASCIATO A"), evidenziato, nero, 1},
        {d.nomeAlunno, titolo, rosso, 1},
        {QStringLiteral("per aver eseguito"), normale, nero, 1},
        {d.nomeEseguibile, evidenziato, nero, 1},
        {d.obiettivo, evidenziato, nero, 1},
        {d.livello, evidenziato, nero, 1},
        {QStringLiteral("con la valutazione di"), normale, nero, 1},
        {d.valutazione, FontAttestato{arial, 14, true}, rosso, 1},
        {rigaPunteggio(d.esatte, d.operazioni), normale, nero, 2},
        {QStringLiteral("Data  ") + d.data, normale, nero, 0},
    };
}

QString testoAttestato(const QVector<RigaAttestato> &righe)
{
    QStringList testi;
    for (const RigaAttestato &riga : righe) {
        if (!riga.testo.isEmpty())
            testi.append(riga.testo);
    }
    return testi.join(QLatin1Char('\n'));
}

DatiAttestato PreparaAttestato(Modulo2 &m, const QString &nomeEseguibile, const QDate &oggi)
{
    m.NomeAlunno = MaiuscolaIniziale(m.NomeAlunno);
    m.Valutazione = ValutazioneDaPunteggio(Punteggio(m.RisposteEsatte, m.NumeroOperazioni));
    m.NomeEseguibile = nomeEseguibile;
    return {m.NomeAlunno,         m.NomeEseguibile, m.DescrizioneObiettivo, m.DescrizioneLivello,
            m.Valutazione,        m.RisposteEsatte, m.NumeroOperazioni,     dataBreve(oggi)};
}

bool StampaAttestato(Stampante &stampante, const QVector<RigaAttestato> &righe)
{
    {
        SuperficieStampante superficie(stampante, attestato::riquadroStampato, attestato::sfondo);
        DisegnaAttestato(superficie, righe);
    }
    return stampante.fineDocumento();
}

void DisegnaAttestato(SuperficieAttestato &superficie, const QVector<RigaAttestato> &righe)
{
    superficie.impostaFont(attestato::fontIniziale);
    for (int i = 0; i < attestato::righeVuoteIniziali; ++i)
        superficie.stampa(QString());
    for (const RigaAttestato &riga : righe) {
        superficie.impostaFont(riga.font);
        superficie.impostaColore(riga.colore);
        superficie.posizionaX(superficie.larghezzaInterna() / 2 - superficie.larghezzaTesto(riga.testo) / 2);
        superficie.stampa(riga.testo);
        for (int i = 0; i < riga.righeVuoteDopo; ++i)
            superficie.stampa(QString());
    }
}
