#include "support/ambienteprova.h"

#include "frame/aspetto.h"
#include "frame/chiusura.h"
#include "frame/finestra.h"
#include "frame/finestre.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {
QStringList g_scaricate;

// A window that notes when it is unloaded and has two placed controls and one
// left out of the proportional layout.
class FinestraProva final : public Finestra
{
public:
    explicit FinestraProva(const QString &nome)
        : Finestra(nome, QSize(6000, 4500))
        , m_uno(new QLabel(QStringLiteral("uno"), area()))
        , m_due(new QLabel(QStringLiteral("due"), area()))
        , m_libero(new QLabel(QStringLiteral("libero"), area()))
    {
        aspetto::posiziona(m_uno, 0, 0, 1500, 450);
        aspetto::posiziona(m_due, 3000, 2250, 1500, 900);
        m_libero->setGeometry(10, 10, 20, 20);
    }
    void alCaricamento() override { catturaLayout(); }
    void alloScaricamento() override { g_scaricate.append(nome()); }

    QLabel *m_uno;
    QLabel *m_due;
    QLabel *m_libero;
};

void registraProva(const QString &nome)
{
    Finestre::istanza().registra(nome, [nome] { return new FinestraProva(nome); });
}
} // namespace

class TstFinestre final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unaSolaIstanzaPerNome();
    void scaricareUnaFinestraNonCaricataNonFaNulla();
    void nomeSconosciutoNonCaricaNulla();
    void ilProgrammaFinisceConLUltimaFinestra();
    void chiudiTuttoInOrdineAlfabetico();
    void chiudiFinestreInOrdineDiCaricamento();
    void mostraModaleAttendeLoScaricamento();
    void layoutProporzionaleSegueLaFinestra();

private:
    std::unique_ptr<AmbienteProva> m_ambiente;
};

void TstFinestre::init()
{
    m_ambiente = std::make_unique<AmbienteProva>();
    g_scaricate.clear();
    for (const QString &nome : {nomi::FrmAttestato, nomi::frmInizio, nomi::FrmOperativo, nomi::FrmStampaEsercizio,
                                nomi::FrmStampaSchede, QStringLiteral("A"), QStringLiteral("B")})
        registraProva(nome);
}

void TstFinestre::cleanup()
{
    m_ambiente.reset();
}

void TstFinestre::unaSolaIstanzaPerNome()
{
    auto &f = Finestre::istanza();
    Finestra *prima = f.carica(QStringLiteral("A"));
    QVERIFY(prima);
    QCOMPARE(f.carica(QStringLiteral("A")), prima);
    QCOMPARE(f.mostra(QStringLiteral("A")), prima);
    QCOMPARE(f.caricate().size(), 1);
    f.scarica(QStringLiteral("A"));
    QVERIFY(!f.caricata(QStringLiteral("A")));
    Finestra *seconda = f.carica(QStringLiteral("A"));
    QVERIFY(seconda);
    QCOMPARE(f.caricate(), QList<Finestra *>{seconda});
}

void TstFinestre::scaricareUnaFinestraNonCaricataNonFaNulla()
{
    auto &f = Finestre::istanza();
    f.carica(QStringLiteral("A"));
    f.scarica(QStringLiteral("B"));
    QVERIFY(g_scaricate.isEmpty());
    QCOMPARE(m_ambiente->fineProgramma(), 0);
    QVERIFY(f.caricata(QStringLiteral("A")));
}

void TstFinestre::nomeSconosciutoNonCaricaNulla()
{
    QVERIFY(!Finestre::istanza().mostra(QStringLiteral("NessunaFinestra")));
    QVERIFY(Finestre::istanza().caricate().isEmpty());
}

void TstFinestre::ilProgrammaFinisceConLUltimaFinestra()
{
    auto &f = Finestre::istanza();
    f.mostra(QStringLiteral("A"));
    f.mostra(QStringLiteral("B"));
    f.scarica(QStringLiteral("A"));
    QCOMPARE(m_ambiente->fineProgramma(), 0);
    // Closing by the title bar is an unload too.
    f.trova(QStringLiteral("B"))->close();
    QCOMPARE(m_ambiente->fineProgramma(), 1);
    QCOMPARE(g_scaricate, QStringList({"A", "B"}));
}

void TstFinestre::chiudiTuttoInOrdineAlfabetico()
{
    auto &f = Finestre::istanza();
    for (const QString &nome : {nomi::FrmStampaSchede, nomi::FrmOperativo, nomi::FrmAttestato})
        f.carica(nome);
    ChiudiTutto();
    QCOMPARE(g_scaricate, QStringList({nomi::FrmAttestato, nomi::FrmOperativo, nomi::FrmStampaSchede}));
    QVERIFY(f.caricate().isEmpty());
    QCOMPARE(m_ambiente->fineProgramma(), 1);
}

void TstFinestre::chiudiFinestreInOrdineDiCaricamento()
{
    auto &f = Finestre::istanza();
    for (const QString &nome : {QStringLiteral("B"), nomi::FrmStampaSchede, QStringLiteral("A")})
        f.carica(nome);
    ChiudiFinestre();
    QCOMPARE(g_scaricate, QStringList({"B", nomi::FrmStampaSchede, "A"}));
    QCOMPARE(m_ambiente->fineProgramma(), 1);
}

void TstFinestre::mostraModaleAttendeLoScaricamento()
{
    auto &f = Finestre::istanza();
    f.mostra(QStringLiteral("A"));
    bool scaricataPrimaDelRitorno = false;
    QTimer::singleShot(50, [&] {
        f.scarica(QStringLiteral("B"));
        scaricataPrimaDelRitorno = true;
    });
    f.mostra(QStringLiteral("B"), true);
    QVERIFY(scaricataPrimaDelRitorno);
    QVERIFY(!f.caricata(QStringLiteral("B")));
    QVERIFY(f.caricata(QStringLiteral("A")));
}

void TstFinestre::layoutProporzionaleSegueLaFinestra()
{
    auto *f = static_cast<FinestraProva *>(Finestre::istanza().carica(QStringLiteral("A")));
    QCOMPARE(f->layoutProporzionale().numeroControlli(), 2);
    const QRect uno = f->m_uno->geometry();
    const QRect due = f->m_due->geometry();
    QCOMPARE(due, aspetto::pixelDaTwips(QRect(3000, 2250, 1500, 900)));
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    const QSize design = aspetto::pixelDaTwips(QSize(6000, 4500));
    f->area()->resize(design.width() * 2, design.height());
    QCOMPARE(f->m_uno->geometry(), QRect(0, 0, uno.width() * 2, uno.height()));
    QCOMPARE(f->m_due->geometry(), QRect(due.left() * 2, due.top(), due.width() * 2, due.height()));
    QCOMPARE(f->m_libero->geometry(), QRect(10, 10, 20, 20));
    f->area()->resize(0, 0);
    QCOMPARE(f->m_due->geometry().size(), QSize(0, 0));
    f->area()->resize(design);
    QCOMPARE(f->m_due->geometry(), due);
    // A control moved by code goes back to its ratios at the next resize.
    f->m_uno->move(200, 200);
    f->area()->resize(design.width() + 1, design.height());
    f->area()->resize(design);
    QCOMPARE(f->m_uno->geometry(), uno);
}

QTEST_MAIN(TstFinestre)
#include "tst_finestre.moc"
