#include "frmvalutazione.h"

#include "elencoserie.h"
#include "registroserie.h"
#include "scalavalutazione.h"

#include "frame/aspetto.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QSaveFile>
#include <QTableWidget>

namespace {

constexpr QSize designTwips{11910, 8340};
constexpr int altezzaRigaScala = 330;
constexpr std::array<int, 3> sinistreScala{240, 3000, 4800};
constexpr std::array<int, 3> larghezzeScala{2700, 1700, 3000};

QString sceltaConDialogo(QWidget *padre, const QString &proposto)
{
    return QFileDialog::getSaveFileName(padre, QStringLiteral("Esporta l'elenco delle serie"), proposto,
                                        QStringLiteral("File CSV (*.csv);;Tutti i file (*)"));
}

QLabel *etichettaBlu(QWidget *padre, const QString &testo, double punti, bool grassetto)
{
    QLabel *label = aspetto::etichettaArial(padre, testo, punti, grassetto);
    aspetto::impostaColoreTesto(label, aspetto::bluScuro);
    return label;
}

// Writes the whole file or nothing: an existing file is replaced only once the
// new one is complete.
bool salva(const QString &percorso, const QByteArray &contenuto)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contenuto) != contenuto.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

FrmValutazione::FrmValutazione(QWidget *parent)
    : Finestra(nomi::FrmValutazione, designTwips, parent)
    , sceltaFile([this](const QString &proposto) { return sceltaConDialogo(this, proposto); })
{
    setWindowTitle(QStringLiteral("Valutazione"));
    aspetto::impostaSfondo(area(), aspetto::giallinoChiaro);

    lblTitolo = etichettaBlu(area(), QStringLiteral("VALUTAZIONE DEL LAVORO"), 20, true);
    lblTitolo->setAlignment(Qt::AlignCenter);
    aspetto::impostaSfondo(lblTitolo, aspetto::fuocoSpento);
    aspetto::posiziona(lblTitolo, 120, 60, 11670, 540);

    costruisciScala();
    costruisciSerie();
    costruisciPulsanti();
}

void FrmValutazione::costruisciScala()
{
    fraScala = aspetto::corniceGialla(area(), QStringLiteral("COME SI VALUTA"));
    aspetto::posiziona(fraScala, 120, 660, 11670, 2880);

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

void FrmValutazione::costruisciSerie()
{
    fraSerie = aspetto::corniceGialla(area(), QStringLiteral("SERIE ESEGUITE DA QUANDO IL PROGRAMMA È APERTO"));
    aspetto::posiziona(fraSerie, 120, 3600, 11670, 3540);

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
    aspetto::posiziona(tblSerie, 120, 300, 11430, 3120);

    lblNessunaSerie = etichettaBlu(fraSerie, QStringLiteral("Nessuna serie eseguita finora."), 12, true);
    lblNessunaSerie->setAlignment(Qt::AlignCenter);
    aspetto::posiziona(lblNessunaSerie, 120, 1560, 11430, 480);
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
    optScelta[esporta]->setEnabled(!serie.empty());
}

void FrmValutazione::Esporta()
{
    const QString percorso = sceltaFile ? sceltaFile(fileCsvProposto()) : QString();
    if (percorso.isEmpty())
        return;
    const QString dove = QDir::toNativeSeparators(percorso);
    if (salva(percorso, contenutoFileCsv(registroSerie().serie())))
        servizi().messaggio(QStringLiteral("L'elenco è stato salvato in \"%1\".").arg(dove));
    else
        servizi().messaggio(
            QStringLiteral("Non è stato possibile salvare l'elenco in \"%1\". Scegli un'altra cartella.").arg(dove));
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
    // Series may have gone on in the exercise window while this one was below it.
    if (evento->type() == QEvent::WindowActivate)
        aggiornaElenco();
    return Finestra::event(evento);
}
