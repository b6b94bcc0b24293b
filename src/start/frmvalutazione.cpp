#include "frmvalutazione.h"

#include "elencoserie.h"
#include "registroserie.h"
#include "scalavalutazione.h"

#include "docente/parteandamento.h"
#include "docente/parteregistro.h"
#include "frame/aspetto.h"
#include "frame/filecsv.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "record/registroclasse.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

namespace {

constexpr QSize designTwips{11910, 8340};
constexpr int altezzaRigaScala = 330;
constexpr std::array<int, 3> sinistreScala{240, 3000, 4800};
constexpr std::array<int, 3> larghezzeScala{2700, 1700, 3000};

QLabel *etichettaBlu(QWidget *padre, const QString &testo, double punti, bool grassetto)
{
    QLabel *label = aspetto::etichettaArial(padre, testo, punti, grassetto);
    aspetto::impostaColoreTesto(label, aspetto::bluScuro);
    return label;
}

} // namespace

FrmValutazione::FrmValutazione(QWidget *parent)
    : Finestra(nomi::FrmValutazione, designTwips, parent)
    , dialoghi(dialoghiQt(this))
{
    setWindowTitle(QStringLiteral("Valutazione"));
    aspetto::impostaSfondo(area(), aspetto::giallinoChiaro);

    lblTitolo = etichettaBlu(area(), QStringLiteral("VALUTAZIONE DEL LAVORO"), 20, true);
    lblTitolo->setAlignment(Qt::AlignCenter);
    aspetto::impostaSfondo(lblTitolo, aspetto::fuocoSpento);
    aspetto::posiziona(lblTitolo, 120, 60, 11670, 540);

    lblStato = etichettaBlu(area(), QString(), 10, true);
    lblStato->setWordWrap(true);
    aspetto::posiziona(lblStato, 120, 630, 11670, 420);

    tabParti = new QTabWidget(area());
    tabParti->setAccessibleName(QStringLiteral("Parti della valutazione"));
    aspetto::impostaFont(tabParti->tabBar(), QStringLiteral("Arial"), 10, true);
    aspetto::posiziona(tabParti, 120, 1080, 11670, 6120);
    auto *pagina = new QWidget(tabParti);
    aspetto::impostaSfondo(pagina, aspetto::giallinoChiaro);
    costruisciScala(pagina);
    costruisciSerie(pagina);
    tabParti->addTab(pagina, QStringLiteral("Questa sessione"));
    fraRegistro = new ParteRegistro(dialoghi, tabParti);
    tabParti->addTab(fraRegistro, QStringLiteral("Registro"));
    fraAndamento = new ParteAndamento(fraRegistro->modello(), tabParti);
    tabParti->addTab(fraAndamento, QStringLiteral("Andamento"));
    costruisciPulsanti();

    connect(fraRegistro, &ParteRegistro::serieScelta, fraAndamento, &ParteAndamento::scegli);
    connect(fraRegistro, &ParteRegistro::guastoCambiato, this, &FrmValutazione::aggiornaStato);
    connect(&registroClasse(), &RegistroClasse::statoCambiato, this, &FrmValutazione::aggiornaStato);
    connect(tabParti, &QTabWidget::currentChanged, this, &FrmValutazione::aggiornaEsporta);
}

void FrmValutazione::costruisciScala(QWidget *pagina)
{
    fraScala = aspetto::corniceGialla(pagina, QStringLiteral("COME SI VALUTA"));
    aspetto::posiziona(fraScala, 60, 60, 11520, 2880);

    const std::array<QString, 3> intestazioni{QStringLiteral("Valutazione"), QStringLiteral("Punteggio"),
                                              QStringLiteral("Risposte esatte")};
    for (std::size_t c = 0; c < intestazioni.size(); ++c) {
        lblIntestazioneScala[c] = etichettaBlu(fraScala, intestazioni[c], 11, true);
        aspetto::posiziona(lblIntestazioneScala[c], sinistreScala[c], 300, larghezzeScala[c], altezzaRigaScala);
    }
    int top = 300;
    for (const RigaScala &riga : righeScala()) {
        top += altezzaRigaScala;
        const std::array<QString, 3> testi{riga.voto, riga.punteggio, riga.quota};
        std::array<QLabel *, 3> etichette{};
        for (std::size_t c = 0; c < testi.size(); ++c) {
            etichette[c] = etichettaBlu(fraScala, testi[c], 11, c == 0);
            aspetto::posiziona(etichette[c], sinistreScala[c], top, larghezzeScala[c], altezzaRigaScala);
        }
        aspetto::impostaColoreTesto(etichette[0], aspetto::rosso);
        lblScala.push_back(etichette);
    }

    lblRegole = etichettaBlu(fraScala, regoleValutazione(), 11, false);
    lblRegole->setWordWrap(true);
    lblRegole->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aspetto::posiziona(lblRegole, 7920, 300, 3600, 2460);
}

void FrmValutazione::costruisciSerie(QWidget *pagina)
{
    fraSerie = aspetto::corniceGialla(pagina, QStringLiteral("SERIE ESEGUITE DA QUANDO IL PROGRAMMA È APERTO"));
    aspetto::posiziona(fraSerie, 60, 3000, 11520, 2640);

    const QStringList intestazioni = intestazioniSerie();
    tblSerie = new QTableWidget(0, static_cast<int>(intestazioni.size()), fraSerie);
    tblSerie->setHorizontalHeaderLabels(intestazioni);
    tblSerie->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSerie->setSelectionMode(QAbstractItemView::NoSelection);
    tblSerie->verticalHeader()->setVisible(false);
    // Every column as wide as its texts, the last one to the table's edge.
    tblSerie->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblSerie->horizontalHeader()->setStretchLastSection(true);
    aspetto::impostaFont(tblSerie, QStringLiteral("Arial"), 10, false);
    aspetto::posiziona(tblSerie, 120, 300, 11280, 2220);

    lblNessunaSerie = etichettaBlu(fraSerie, QStringLiteral("Nessuna serie eseguita finora."), 12, true);
    lblNessunaSerie->setAlignment(Qt::AlignCenter);
    aspetto::posiziona(lblNessunaSerie, 120, 1200, 11280, 480);
}

void FrmValutazione::costruisciPulsanti()
{
    const std::array<QString, 2> testi{QStringLiteral("Esporta"), QStringLiteral("Chiudi")};
    const std::array<int, 2> sinistre{2880, 6360};
    for (int i = 0; i < 2; ++i) {
        auto *pulsante = pulsanteComando(testi.at(i), i, 16, area());
        aspetto::posiziona(pulsante, sinistre.at(i), 7260, 2670, 840);
        connect(pulsante, &PulsanteOpzione::premuto, this, &FrmValutazione::premuto);
        optScelta.at(i) = pulsante;
    }
}

void FrmValutazione::alCaricamento()
{
    catturaLayout();
    aggiornaElenco();
    aggiornaStato();
    fraRegistro->carica();
}

void FrmValutazione::aggiornaStato()
{
    // A fault of the record says what is wrong and what is kept; a reading of the register
    // that failed while the record is in order says why.
    const StatoRegistro stato = registroClasse().stato();
    const bool inOrdine = stato.guasto == Guasto::nessuno && fraRegistro->guasto().isEmpty();
    lblStato->setText(stato.guasto == Guasto::nessuno && !inOrdine ? fraRegistro->guasto() : stato.riga);
    aspetto::impostaColoreTesto(lblStato, inOrdine ? aspetto::bluScuro : aspetto::rosso);
}

void FrmValutazione::aggiornaEsporta()
{
    const int parte = tabParti->currentIndex();
    optScelta[esporta]->setEnabled(parte == registro || (parte == sessione && !registroSerie().serie().empty()));
}

void FrmValutazione::aggiornaElenco()
{
    const auto &serie = registroSerie().serie();
    tblSerie->setRowCount(static_cast<int>(serie.size()));
    for (int r = 0; r < tblSerie->rowCount(); ++r) {
        const QStringList celle = rigaSerie(serie[static_cast<std::size_t>(r)]);
        for (int c = 0; c < celle.size(); ++c)
            tblSerie->setItem(r, c, new QTableWidgetItem(celle.at(c)));
    }
    lblNessunaSerie->setVisible(serie.empty());
    aggiornaEsporta();
}

void FrmValutazione::Esporta()
{
    if (tabParti->currentIndex() == registro) {
        fraRegistro->Esporta();
        return;
    }
    const QString percorso = dialoghi.file(fileNeiDocumenti(QStringLiteral("serie.csv")));
    if (percorso.isEmpty())
        return;
    servizi().messaggio(salvaElenco(percorso, contenutoFileCsv(registroSerie().serie())));
}

void FrmValutazione::premuto(int indice)
{
    if (indice == esporta)
        Esporta();
    else if (indice == chiudi)
        Finestre::istanza().scarica(nome());
}

bool FrmValutazione::event(QEvent *evento)
{
    // Series may have gone on in the exercise window, or on other computers, while this
    // one was below another.
    if (evento->type() == QEvent::WindowDeactivate)
        m_daRileggere = true;
    if (evento->type() == QEvent::WindowActivate) {
        aggiornaElenco();
        if (std::exchange(m_daRileggere, false))
            fraRegistro->carica();
    }
    return Finestra::event(evento);
}
