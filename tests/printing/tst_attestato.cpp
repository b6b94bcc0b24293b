// The certificate: the grade and the print button, the capitalised name, the
// lines (text, font, colour, empty lines after) and their drawing, centred on
// the picture's width.
#include "printing/attestato.h"
#include "printing/maiuscolainiziale.h"
#include "printing/valutazione.h"

#include <QtTest>

namespace {
// A picture that records each printed line as "x|text|font size bold|colour",
// with a font whose every character is as wide, in pixels, as its size in points.
class SuperficieRegistrata final : public SuperficieAttestato
{
public:
    void impostaFont(const FontAttestato &font) override { m_font = font; }
    void impostaColore(quint32 colore) override { m_colore = colore; }
    double larghezzaInterna() const override { return 601; }
    double larghezzaTesto(const QString &testo) const override { return double(testo.size()) * m_font.punti; }
    void posizionaX(double x) override { m_x = x; }
    void stampa(const QString &testo) override
    {
        stampe << QStringLiteral("%1|%2|%3 %4%5|%6")
                      .arg(m_x).arg(testo, m_font.nome).arg(m_font.punti).arg(m_font.grassetto ? " bold" : "")
                      .arg(m_colore, 0, 16);
        m_x = 0;
    }

    QStringList stampe;

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
        QTest::addColumn<bool>("stampabile");
        QTest::addColumn<bool>("avviso");

        QTest::newRow("20/18: exactly 9") << 20 << 18 << "OTTIMO" << true << false;
        QTest::newRow("20/17: 8.5 rounds down") << 20 << 17 << "DISTINTO" << true << false;
        QTest::newRow("20/14: 7") << 20 << 14 << "BUONO" << true << false;
        QTest::newRow("20/13: 6.5 rounds down") << 20 << 13 << "SUFFICIENTE" << true << false;
        QTest::newRow("10/5: exactly half") << 10 << 5 << "SUFFICIENTE (!)" << true << false;
        QTest::newRow("20/11: 5.5 rounds down") << 20 << 11 << "SUFFICIENTE (!)" << true << false;
        QTest::newRow("10/4: under half") << 10 << 4 << "Non classificato" << false << false;
        QTest::newRow("9 all right: the notice, not printable") << 9 << 9 << "OTTIMO" << false << true;
        QTest::newRow("9 with 2 right: the notice, not graded") << 9 << 2 << "Non classificato" << false << true;
        QTest::newRow("0 operations") << 0 << 0 << "Non classificato" << false << true;
    }

    void voto()
    {
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(QString, valutazione);
        QFETCH(bool, stampabile);
        QFETCH(bool, avviso);
        QCOMPARE(ValutazioneDaPunteggio(Punteggio(esatte, operazioni)), valutazione);
        const StatoStampaAttestato stato = statoStampaAttestato(operazioni, valutazione);
        QCOMPARE(stato.didascalia, valutazione == "Non classificato" ? "ATTESTATO NON STAMPABILE" : "STAMPA L'ATTESTATO");
        QCOMPARE(stato.abilitato, stampabile);
        QCOMPARE(stato.avviso, avviso ? "Per stampare un attestato \n\nè necessario eseguire \n\nalmeno 10 operazioni. " : "");
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

    // Three empty lines in the picture's own font, then each line centred on
    // the width 601 in its font and colour (ff is red), and its empty lines.
    void disegno()
    {
        SuperficieRegistrata s;
        DisegnaAttestato(s, righeAttestato(dati));
        const QString vuota = QStringLiteral("0||arial 12|0");
        const QStringList attese{
            "0||MS Sans Serif 8.25 bold|0", "0||MS Sans Serif 8.25 bold|0", "0||MS Sans Serif 8.25 bold|0",
            "130.5|DIPLOMA DI MERITO|arial 20 bold|ff",
            "228.5|RILASCIATO A|arial 12 bold|0", "0||arial 12 bold|0",
            "240.5|Nicolò|arial 20 bold|ff", "0||arial 20 bold|ff",
            "198.5|per aver eseguito|arial 12|0", vuota,
            "258.5|TARVELO|arial 12 bold|0", "0||arial 12 bold|0",
            "174.5|CALCOLO DEL RISULTATO|arial 12 bold|0", "0||arial 12 bold|0",
            "150.5|NUMERO MASSIMO da  1 a 30|arial 12 bold|0", "0||arial 12 bold|0",
            "174.5|con la valutazione di|arial 12|0", vuota,
            "244.5|DISTINTO|arial 14 bold|ff", "0||arial 14 bold|ff",
            "72.5|con 17 risposte esatte su 20 richieste|arial 12|0", vuota, vuota,
            "204.5|Data  05/12/2026|arial 12|0"};
        QCOMPARE(s.stampe, attese);
    }
};

QTEST_GUILESS_MAIN(TestAttestato)
#include "tst_attestato.moc"
