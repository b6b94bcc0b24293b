// The certificate's lines (text, font, colour, bold, empty lines), the
// centring on the picture and the work on the shared state at load.
#include "printing/attestato.h"

#include "frame/modulo2.h"

#include <QtTest>

namespace {

// A picture that records what is printed where, with a font whose every
// character is as wide, in pixels, as its size in points.
class SuperficieRegistrata final : public SuperficieAttestato
{
public:
    struct Stampa
    {
        QString testo;
        FontAttestato font;
        quint32 colore = 0;
        double x = 0;
        int riga = 0; // how many lines were printed before it
    };

    explicit SuperficieRegistrata(double larghezza)
        : m_larghezza(larghezza)
    {
    }
    void impostaFont(const FontAttestato &font) override { m_font = font; }
    void impostaColore(quint32 colore) override { m_colore = colore; }
    double larghezzaInterna() const override { return m_larghezza; }
    double larghezzaTesto(const QString &testo) const override { return static_cast<double>(testo.size()) * m_font.punti; }
    void posizionaX(double x) override { m_x = x; }
    void stampa(const QString &testo) override
    {
        stampe.push_back({testo, m_font, m_colore, m_x, static_cast<int>(stampe.size())});
        m_x = 0;
    }

    std::vector<Stampa> stampe;

private:
    double m_larghezza = 0;
    FontAttestato m_font;
    quint32 m_colore = 0;
    double m_x = 0;
};

DatiAttestato dati()
{
    return {QStringLiteral("Nicolò"),
            QStringLiteral("TARVELO"),
            QStringLiteral("CALCOLO DEL RISULTATO"),
            QStringLiteral("NUMERO MASSIMO da  1 a 30"),
            QStringLiteral("DISTINTO"),
            17,
            20,
            QStringLiteral("05/12/2026")};
}

} // namespace

class TestAttestato final : public QObject
{
    Q_OBJECT

private slots:
    void righe_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("punti");
        QTest::addColumn<bool>("grassetto");
        QTest::addColumn<quint32>("colore");
        QTest::addColumn<int>("vuoteDopo");

        const quint32 rosso = 0x000000FF;
        const quint32 nero = 0;
        QTest::newRow("2 title") << 0 << "DIPLOMA DI MERITO" << 20.0 << true << rosso << 0;
        QTest::newRow("3 issued to") << 1 << "RILASCIATO A" << 12.0 << true << nero << 1;
        QTest::newRow("4 name") << 2 << "Nicolò" << 20.0 << true << rosso << 1;
        QTest::newRow("5 for having done") << 3 << "per aver eseguito" << 12.0 << false << nero << 1;
        QTest::newRow("6 program") << 4 << "TARVELO" << 12.0 << true << nero << 1;
        QTest::newRow("7 objective") << 5 << "CALCOLO DEL RISULTATO" << 12.0 << true << nero << 1;
        QTest::newRow("8 level") << 6 << "NUMERO MASSIMO da  1 a 30" << 12.0 << true << nero << 1;
        QTest::newRow("9 with the grade") << 7 << "con la valutazione di" << 12.0 << false << nero << 1;
        QTest::newRow("10 grade") << 8 << "DISTINTO" << 14.0 << true << rosso << 1;
        QTest::newRow("11 score, 17 of 20")
            << 9 << "con 17 risposte esatte su 20 richieste" << 12.0 << false << nero << 2;
        QTest::newRow("12 date, two blanks") << 10 << "Data  05/12/2026" << 12.0 << false << nero << 0;
    }

    void righe()
    {
        QFETCH(int, riga);
        QFETCH(QString, testo);
        QFETCH(double, punti);
        QFETCH(bool, grassetto);
        QFETCH(quint32, colore);
        QFETCH(int, vuoteDopo);
        const QVector<RigaAttestato> righe = righeAttestato(dati());
        QCOMPARE(righe.size(), 11);
        const RigaAttestato &r = righe.at(riga);
        QCOMPARE(r.testo, testo);
        QCOMPARE(r.font.nome, QStringLiteral("arial"));
        QCOMPARE(r.font.punti, punti);
        QCOMPARE(r.font.grassetto, grassetto);
        QCOMPARE(r.colore, colore);
        QCOMPARE(r.righeVuoteDopo, vuoteDopo);
    }

    void disegno_data()
    {
        QTest::addColumn<double>("larghezza");
        QTest::newRow("the design width of the picture, 250 px") << 250.0;
        QTest::newRow("a maximised picture, 601 px") << 601.0;
        QTest::newRow("narrower than the title: starts left of the edge") << 100.0;
    }

    void disegno()
    {
        QFETCH(double, larghezza);
        SuperficieRegistrata s(larghezza);
        const QVector<RigaAttestato> righe = righeAttestato(dati());
        DisegnaAttestato(s, righe);

        // Three empty lines in the picture's own font, then each line with its empty lines.
        int attese = 3;
        for (const auto &r : righe)
            attese += 1 + r.righeVuoteDopo;
        QCOMPARE(static_cast<int>(s.stampe.size()), attese);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(s.stampe.at(i).testo, QString());
            QCOMPARE(s.stampe.at(i).font, attestato::fontIniziale);
        }
        QCOMPARE(attestato::fontIniziale.nome, QStringLiteral("MS Sans Serif"));
        QCOMPARE(attestato::fontIniziale.punti, 8.25);
        QVERIFY(attestato::fontIniziale.grassetto);

        int p = 3;
        for (const auto &r : righe) {
            const auto &stampa = s.stampe.at(p);
            QCOMPARE(stampa.testo, r.testo);
            QCOMPARE(stampa.font, r.font);
            QCOMPARE(stampa.colore, r.colore);
            // Centred: half the width less half the text's width.
            QCOMPARE(stampa.x, larghezza / 2 - static_cast<double>(r.testo.size()) * r.font.punti / 2);
            for (int v = 1; v <= r.righeVuoteDopo; ++v) {
                QCOMPARE(s.stampe.at(p + v).testo, QString());
                QCOMPARE(s.stampe.at(p + v).font, r.font); // empty lines in the row's font
            }
            p += 1 + r.righeVuoteDopo;
        }
        // The score line is the 21st line of the picture: three empty ones, then 17 above it.
        QCOMPARE(s.stampe.at(20).testo, QStringLiteral("con 17 risposte esatte su 20 richieste"));
    }

    void preparazione_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("esatte");
        QTest::addColumn<QString>("nomeAtteso");
        QTest::addColumn<QString>("valutazione");

        QTest::newRow("mixed-case name, 20/17") << "nicolò ROSSI" << 20 << 17 << "Nicolò rossi" << "DISTINTO";
        QTest::newRow("empty name, no operations") << "" << 0 << 0 << "" << "Non classificato";
        QTest::newRow("one letter, 10/5") << "z" << 10 << 5 << "Z" << "SUFFICIENTE (!)";
    }

    void preparazione()
    {
        QFETCH(QString, nome);
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(QString, nomeAtteso);
        QFETCH(QString, valutazione);
        Modulo2 m;
        m.NomeAlunno = nome;
        m.NumeroOperazioni = static_cast<Modulo2::int16>(operazioni);
        m.RisposteEsatte = static_cast<Modulo2::int16>(esatte);
        m.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
        m.DescrizioneLivello = QStringLiteral("NUMERO MASSIMO da  30 a 60");
        const DatiAttestato d = PreparaAttestato(m, QStringLiteral("TARVELO"), QDate(2026, 1, 2));
        // The shared state keeps the capitalised name, the grade and the program's name.
        QCOMPARE(m.NomeAlunno, nomeAtteso);
        QCOMPARE(m.Valutazione, valutazione);
        QCOMPARE(m.NomeEseguibile, QStringLiteral("TARVELO"));
        QCOMPARE(d.nomeAlunno, nomeAtteso);
        QCOMPARE(d.valutazione, valutazione);
        QCOMPARE(d.obiettivo, m.DescrizioneObiettivo);
        QCOMPARE(d.livello, m.DescrizioneLivello);
        QCOMPARE(d.esatte, esatte);
        QCOMPARE(d.operazioni, operazioni);
        QCOMPARE(d.data, QStringLiteral("02/01/2026"));
    }
};

QTEST_GUILESS_MAIN(TestAttestato)
#include "tst_attestato.moc"
