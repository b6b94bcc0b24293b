// The certificate: the grade and the print button, the capitalised name, the
// lines (text, font, colour, empty lines after) and their drawing, centred on
// the picture's width.
#include "printing/attestato.h"
#include "printing/maiuscolainiziale.h"
#include "printing/valutazione.h"

#include <QtTest>

namespace {

// A picture that records each printed line, with a font whose every character
// is as wide, in pixels, as its size in points.
class SuperficieRegistrata final : public SuperficieAttestato
{
public:
    struct Stampa
    {
        QString testo;
        FontAttestato font;
        quint32 colore = 0;
        double x = 0;
    };

    void impostaFont(const FontAttestato &font) override { m_font = font; }
    void impostaColore(quint32 colore) override { m_colore = colore; }
    double larghezzaInterna() const override { return 601; }
    double larghezzaTesto(const QString &testo) const override { return double(testo.size()) * m_font.punti; }
    void posizionaX(double x) override { m_x = x; }
    void stampa(const QString &testo) override
    {
        stampe.push_back({testo, m_font, m_colore, m_x});
        m_x = 0;
    }

    std::vector<Stampa> stampe;

private:
    FontAttestato m_font;
    quint32 m_colore = 0;
    double m_x = 0;
};

const DatiAttestato dati{QStringLiteral("Nicolò"), QStringLiteral("TARVELO"), QStringLiteral("CALCOLO DEL RISULTATO"),
                         QStringLiteral("NUMERO MASSIMO da  1 a 30"), QStringLiteral("DISTINTO"), 17, 20,
                         QStringLiteral("05/12/2026")};

} // namespace

class TestAttestato final : public QObject
{
    Q_OBJECT

private slots:
    void voto_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("esatte");
        QTest::addColumn<QString>("valutazione");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<bool>("abilitato");
        QTest::addColumn<bool>("avviso");

        const QString si = QStringLiteral("STAMPA L'ATTESTATO");
        const QString no = QStringLiteral("ATTESTATO NON STAMPABILE");
        QTest::newRow("10/5: exactly half") << 10 << 5 << "SUFFICIENTE (!)" << si << true << false;
        QTest::newRow("10/4: under half") << 10 << 4 << "Non classificato" << no << false << false;
        QTest::newRow("20/18: exactly 9") << 20 << 18 << "OTTIMO" << si << true << false;
        QTest::newRow("20/17: 8.5 rounds down") << 20 << 17 << "DISTINTO" << si << true << false;
        QTest::newRow("20/14: 7") << 20 << 14 << "BUONO" << si << true << false;
        QTest::newRow("20/13: 6.5 rounds down") << 20 << 13 << "SUFFICIENTE" << si << true << false;
        QTest::newRow("20/11: 5.5 rounds down") << 20 << 11 << "SUFFICIENTE (!)" << si << true << false;
        QTest::newRow("9 all right: notice, caption kept") << 9 << 9 << "OTTIMO" << si << false << true;
        QTest::newRow("9 with 2 right") << 9 << 2 << "Non classificato" << no << false << true;
        QTest::newRow("0 operations") << 0 << 0 << "Non classificato" << no << false << true;
    }

    void voto()
    {
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(QString, valutazione);
        QFETCH(QString, didascalia);
        QFETCH(bool, abilitato);
        QFETCH(bool, avviso);
        QCOMPARE(ValutazioneDaPunteggio(Punteggio(esatte, operazioni)), valutazione);
        const StatoStampaAttestato stato = statoStampaAttestato(operazioni, valutazione);
        QCOMPARE(stato.didascalia, didascalia);
        QCOMPARE(stato.abilitato, abilitato);
        QCOMPARE(stato.avviso, avviso ? QStringLiteral("Per stampare un attestato \n\nè necessario eseguire \n\n"
                                                       "almeno 10 operazioni. ")
                                      : QString());
    }

    void maiuscolaIniziale_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("atteso");

        QTest::newRow("mixed case, also after a blank") << "nicolò ROSSI" << "Nicolò rossi";
        QTest::newRow("accented first letter") << "èlia" << "Èlia";
        QTest::newRow("empty stays empty") << "" << "";
        QTest::newRow("a character outside the basic plane stays whole")
            << QString::fromUcs4(U"\U00010428abc") << QString::fromUcs4(U"\U00010400abc");
    }

    void maiuscolaIniziale()
    {
        QFETCH(QString, nome);
        QFETCH(QString, atteso);
        QCOMPARE(MaiuscolaIniziale(nome), atteso);
    }

    void righe_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("punti");
        QTest::addColumn<bool>("grassetto");
        QTest::addColumn<bool>("rossa");
        QTest::addColumn<int>("vuoteDopo");

        QTest::newRow("title") << 0 << "DIPLOMA DI MERITO" << 20.0 << true << true << 0;
        QTest::newRow("issued to") << 1 << "RILASCIATO A" << 12.0 << true << false << 1;
        QTest::newRow("name") << 2 << "Nicolò" << 20.0 << true << true << 1;
        QTest::newRow("for having done") << 3 << "per aver eseguito" << 12.0 << false << false << 1;
        QTest::newRow("program") << 4 << "TARVELO" << 12.0 << true << false << 1;
        QTest::newRow("objective") << 5 << "CALCOLO DEL RISULTATO" << 12.0 << true << false << 1;
        QTest::newRow("level") << 6 << "NUMERO MASSIMO da  1 a 30" << 12.0 << true << false << 1;
        QTest::newRow("with the grade") << 7 << "con la valutazione di" << 12.0 << false << false << 1;
        QTest::newRow("grade") << 8 << "DISTINTO" << 14.0 << true << true << 1;
        QTest::newRow("score, 17 of 20") << 9 << "con 17 risposte esatte su 20 richieste" << 12.0 << false << false << 2;
        QTest::newRow("date, two blanks") << 10 << "Data  05/12/2026" << 12.0 << false << false << 0;
    }

    void righe()
    {
        QFETCH(int, riga);
        QFETCH(QString, testo);
        QFETCH(double, punti);
        QFETCH(bool, grassetto);
        QFETCH(bool, rossa);
        QFETCH(int, vuoteDopo);
        const QVector<RigaAttestato> righe = righeAttestato(dati);
        QCOMPARE(righe.size(), 11);
        const RigaAttestato &r = righe.at(riga);
        QCOMPARE(r.testo, testo);
        QCOMPARE(r.font, (FontAttestato{QStringLiteral("arial"), punti, grassetto}));
        QCOMPARE(r.colore, rossa ? 0x000000FFu : 0u);
        QCOMPARE(r.righeVuoteDopo, vuoteDopo);
    }

    void disegnoCentrato()
    {
        SuperficieRegistrata s;
        const QVector<RigaAttestato> righe = righeAttestato(dati);
        DisegnaAttestato(s, righe);
        // Three empty lines in the picture's own font, then each line and its empty lines in its font.
        std::vector<SuperficieRegistrata::Stampa> attese(3, {QString(), {QStringLiteral("MS Sans Serif"), 8.25, true}});
        for (const RigaAttestato &r : righe) {
            attese.push_back({r.testo, r.font, r.colore, 601 / 2.0 - double(r.testo.size()) * r.font.punti / 2});
            attese.insert(attese.end(), r.righeVuoteDopo, {QString(), r.font, r.colore});
        }
        QCOMPARE(s.stampe.size(), attese.size());
        for (size_t i = 0; i < attese.size(); ++i) {
            QCOMPARE(s.stampe.at(i).testo, attese.at(i).testo);
            QCOMPARE(s.stampe.at(i).font, attese.at(i).font);
            QCOMPARE(s.stampe.at(i).x, attese.at(i).x);
            if (!attese.at(i).testo.isEmpty())
                QCOMPARE(s.stampe.at(i).colore, attese.at(i).colore);
        }
    }
};

QTEST_GUILESS_MAIN(TestAttestato)
#include "tst_attestato.moc"
