#include "parteregistro.h"

#include "barrafiltri.h"
#include "pannellopassword.h"

#include "frame/aspetto.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "record/passwordinsegnante.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace {

// The first moment of today, by the program's clock.
QDateTime inizioDiOggi()
{
    return QDateTime(servizi().orologio->oggi(), QTime(0, 0));
}

// A reason that follows a colon, as a sentence of its own.
QString frase(const QString &motivo)
{
    return motivo.left(1).toUpper() + motivo.mid(1) + QLatin1Char('.');
}

QStringList computerDi(const std::vector<SerieRegistro> &serie)
{
    std::set<QString> nomi;
    for (const SerieRegistro &s : serie)
        nomi.insert(s.computer);
    return QStringList(nomi.begin(), nomi.end());
}

} // namespace

ParteRegistro::ParteRegistro(Dialoghi &dialoghi, QWidget *parent)
    : QWidget(parent)
    , m_dialoghi(dialoghi)
    , m_modello(new ModelloRegistro(this))
    , m_vista(new VistaRegistro(m_modello, this))
{
    fraPassword = new PannelloPassword(this);
    lblAmbito = aspetto::etichettaArial(this, QString(), 10, true);
    aspetto::impostaColoreTesto(lblAmbito, aspetto::bluScuro);
    fraFiltri = new BarraFiltri(this);
    lblConteggio = aspetto::etichettaArial(this, QString(), 10, false);
    costruisciTabelle();
    costruisciAzioni();

    auto *divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(tblRegistro);
    auto *sotto = new QWidget(divisore);
    auto *colonnaSotto = new QVBoxLayout(sotto);
    colonnaSotto->setContentsMargins(0, 0, 0, 0);
    colonnaSotto->addWidget(lblOperazioni);
    colonnaSotto->addWidget(tblOperazioni);
    divisore->addWidget(sotto);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);

    auto *azioni = new QHBoxLayout;
    for (PulsanteOpzione *pulsante : optAzioni)
        azioni->addWidget(pulsante);
    azioni->addStretch();
    azioni->addWidget(chkOperazioni);

    auto *colonna = new QVBoxLayout(this);
    colonna->addWidget(fraPassword);
    colonna->addWidget(lblAmbito);
    colonna->addWidget(fraFiltri);
    colonna->addWidget(lblConteggio);
    colonna->addWidget(divisore, 1);
    colonna->addLayout(azioni);

    connect(fraFiltri, &BarraFiltri::cambiato, this, &ParteRegistro::filtra);
    // A record that could not be read is read again as soon as it works.
    connect(&registroClasse(), &RegistroClasse::statoCambiato, this, [this](const StatoRegistro &stato) {
        if (!m_guasto.isEmpty() && stato.guasto == Guasto::nessuno)
            carica();
    });
    connect(fraPassword, &PannelloPassword::passwordScritta, this, &ParteRegistro::controllaPassword);
    connect(tblRegistro->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ParteRegistro::aggiornaAzioni);
    connect(tblRegistro->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ParteRegistro::sceltaCambiata);
}

void ParteRegistro::costruisciTabelle()
{
    tblRegistro = new QTableView(this);
    tblRegistro->setModel(m_vista);
    tblRegistro->setAccessibleName(QStringLiteral("Registro"));
    tblRegistro->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRegistro->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblRegistro->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRegistro->verticalHeader()->setVisible(false);
    // Fixed row heights, and columns measured on their first rows: a long register is not
    // measured row by row.
    tblRegistro->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblRegistro->horizontalHeader()->setStretchLastSection(true);
    tblRegistro->horizontalHeader()->setResizeContentsPrecision(100);
    tblRegistro->horizontalHeader()->setSortIndicator(static_cast<int>(Colonna::data), Qt::DescendingOrder);
    tblRegistro->setSortingEnabled(true);
    aspetto::impostaFont(tblRegistro, QStringLiteral("Arial"), 10, false);

    lblOperazioni = aspetto::etichettaArial(this, QStringLiteral("Operazioni della serie selezionata"), 10, true);
    tblOperazioni = new QTableWidget(0, static_cast<int>(intestazioniOperazioni().size()), this);
    tblOperazioni->setHorizontalHeaderLabels(intestazioniOperazioni());
    tblOperazioni->setAccessibleName(lblOperazioni->text());
    tblOperazioni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblOperazioni->verticalHeader()->setVisible(false);
    tblOperazioni->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblOperazioni->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    aspetto::impostaFont(tblOperazioni, QStringLiteral("Arial"), 10, false);
}

void ParteRegistro::costruisciAzioni()
{
    const std::array<QString, 3> testi{QStringLiteral("Assegna nome"), QStringLiteral("Elimina"),
                                       QStringLiteral("Elimina fino al")};
    for (std::size_t i = 0; i < testi.size(); ++i) {
        PulsanteOpzione *pulsante = pulsanteComando(testi[i], static_cast<int>(i), 11, this);
        pulsante->setMinimumSize(160, 36);
        pulsante->setEnabled(false);
        connect(pulsante, &PulsanteOpzione::premuto, this, &ParteRegistro::premuto);
        optAzioni[i] = pulsante;
    }
    chkOperazioni = new QCheckBox(QStringLiteral("Esporta anche le operazioni"), this);
}

void ParteRegistro::carica()
{
    if (!registroClasse().avviato()) {
        lblConteggio->setText(QStringLiteral("Il registro delle serie non è aperto."));
        return;
    }
    lblConteggio->setText(QStringLiteral("Caricamento…"));
    m_accesso.fileConfigurazione = registroClasse().impostazioni().fileConfigurazione;
    const int numero = ++m_caricamento;
    const bool completo = m_completo;
    const QDateTime oggi = inizioDiOggi();
    chiedi<Caricamento>(
        [completo, oggi](Consultazione &c) -> std::optional<Caricamento> {
            // A lab's server shows everything to its teacher's role; the file, today's
            // series until the teacher's password is typed.
            auto serie = c.serie(completo || !c.locale() ? std::nullopt : std::optional(oggi));
            const auto hash = c.locale() ? c.hashPassword() : std::optional(QByteArray());
            if (!serie || !hash)
                return std::nullopt;
            return Caricamento{std::move(*serie), !hash->isEmpty()};
        },
        [this, numero](EsitoRegistro<Caricamento> esito) {
            if (numero == m_caricamento)
                caricato(std::move(esito));
        });
}

void ParteRegistro::caricato(EsitoRegistro<Caricamento> esito)
{
    m_laboratorio = esito.laboratorio;
    fraPassword->inAttesa(false);
    // A lab's register opens only with the teacher's password, which the server checks.
    if (m_laboratorio && !m_completo) {
        if (esito.valore) {
            m_completo = true;
            fraPassword->mostraEsito(QString());
        } else {
            if (!m_accesso.password.isEmpty())
                fraPassword->mostraEsito(frase(esito.motivo));
            m_accesso.password.clear();
            mostraSerie({}, PannelloPassword::Modo::laboratorio);
            lblConteggio->clear();
            return;
        }
    }
    if (!esito.valore) {
        lblConteggio->setText(QStringLiteral("Il registro non si può leggere."));
        impostaGuasto(QStringLiteral("Il registro non si può leggere: %1.").arg(esito.motivo));
        return;
    }
    impostaGuasto(QString());
    mostraSerie(std::move(esito.valore->serie),
                m_laboratorio                ? PannelloPassword::Modo::laboratorio
                : esito.valore->conPassword ? PannelloPassword::Modo::entra
                                            : PannelloPassword::Modo::nuova);
}

void ParteRegistro::mostraSerie(std::vector<SerieRegistro> serie, PannelloPassword::Modo modo)
{
    const QString scelta = serieCorrente();
    fraFiltri->impostaComputer(computerDi(serie));
    m_modello->imposta(std::move(serie));
    fraPassword->setVisible(!m_completo);
    fraPassword->impostaModo(modo);
    fraFiltri->impostaSoloOggi(!m_completo);
    lblAmbito->setText(m_completo        ? QStringLiteral("Tutte le serie del registro.")
                       : m_laboratorio ? QStringLiteral("Il registro del laboratorio si vede con la password "
                                                        "dell'insegnante.")
                                       : QStringLiteral("Solo le serie di oggi."));
    filtra();
    // Columns as wide as their texts, measured on the first rows only: a long register is not
    // read through for it.
    tblRegistro->resizeColumnsToContents();
    // The series selected before stays selected, when it is still there.
    for (int r = 0; !scelta.isEmpty() && r < m_vista->rowCount(); ++r) {
        if (m_vista->serie(r).id == scelta) {
            tblRegistro->selectRow(r);
            return;
        }
    }
    sceltaCambiata();
}

void ParteRegistro::filtra()
{
    m_vista->impostaFiltro(fraFiltri->filtro());
    const int totale = m_modello->rowCount();
    if (totale > 0)
        lblConteggio->setText(QStringLiteral("%1 serie su %2").arg(m_vista->rowCount()).arg(totale));
    else
        lblConteggio->setText(m_completo ? QStringLiteral("Nessuna serie nel registro.")
                                         : QStringLiteral("Nessuna serie oggi."));
    aggiornaAzioni();
}

void ParteRegistro::controllaPassword(const QString &password, const QString &ripetuta)
{
    // Nothing typed: nothing to check, neither in the file nor on the server (which would
    // turn it down without a word, leaving the panel waiting).
    if (password.isEmpty() && fraPassword->modo() != PannelloPassword::Modo::nuova) {
        fraPassword->mostraEsito(QStringLiteral("Scrivi la password dell'insegnante."));
        return;
    }
    if (m_laboratorio) {
        // The server checks it when it is asked for the register.
        m_accesso.password = password;
        fraPassword->inAttesa(true);
        carica();
        return;
    }
    const bool nuova = fraPassword->modo() == PannelloPassword::Modo::nuova;
    if (nuova) {
        const QString problema = passwordinsegnante::problemaNuova(password, ripetuta);
        if (!problema.isEmpty()) {
            fraPassword->mostraEsito(problema);
            return;
        }
    }
    fraPassword->inAttesa(true);
    chiedi<bool>(
        [password, nuova](Consultazione &c) -> std::optional<bool> {
            if (nuova && !c.impostaHashPassword(passwordinsegnante::hash(password)))
                return std::nullopt;
            const auto hash = c.hashPassword();
            if (!hash)
                return std::nullopt;
            return passwordinsegnante::giusta(*hash, password);
        },
        [this](EsitoRegistro<bool> esito) {
            fraPassword->inAttesa(false);
            if (!esito.valore) {
                fraPassword->mostraEsito(QStringLiteral("La password non si può controllare: %1.").arg(esito.motivo));
                return;
            }
            fraPassword->mostraEsito(*esito.valore ? QString() : QStringLiteral("Password errata."));
            m_completo = *esito.valore;
            carica();
        });
}

QString ParteRegistro::serieCorrente() const
{
    const QModelIndex corrente = tblRegistro->currentIndex();
    return corrente.isValid() ? m_vista->serie(corrente.row()).id : QString();
}

void ParteRegistro::sceltaCambiata()
{
    aggiornaAzioni();
    const QString id = serieCorrente();
    if (id.isEmpty()) {
        mostraOperazioni({});
        return;
    }
    emit serieScelta(m_vista->serie(tblRegistro->currentIndex().row()));
    chiedi<OperazioniPerSerie>([id](Consultazione &c) { return c.operazioni({id}); },
                               [this, id](EsitoRegistro<OperazioniPerSerie> esito) {
                                   if (id == serieCorrente() && esito.valore)
                                       mostraOperazioni((*esito.valore)[id]);
                               });
}

void ParteRegistro::mostraOperazioni(const std::vector<OperazioneRegistro> &operazioni)
{
    tblOperazioni->setRowCount(static_cast<int>(operazioni.size()));
    for (int r = 0; r < tblOperazioni->rowCount(); ++r) {
        const QStringList celle = rigaOperazione(operazioni[std::size_t(r)]);
        for (int c = 0; c < celle.size(); ++c) {
            auto *cella = new QTableWidgetItem(celle.at(c));
            // The log line keeps its columns, as the report shows it.
            if (c == 1)
                cella->setFont(QFont(QStringLiteral("Courier New"), 10));
            tblOperazioni->setItem(r, c, cella);
        }
    }
}

void ParteRegistro::aggiornaAzioni()
{
    bool senzaNome = false;
    for (const QModelIndex &riga : tblRegistro->selectionModel()->selectedRows())
        senzaNome = senzaNome || m_vista->serie(riga.row()).alunno.isEmpty();
    optAzioni[assegnaNome]->setEnabled(m_completo && senzaNome);
    optAzioni[elimina]->setEnabled(m_completo && tblRegistro->currentIndex().isValid());
    optAzioni[eliminaFinoAl]->setEnabled(m_completo && m_modello->rowCount() > 0);
}

void ParteRegistro::impostaGuasto(const QString &riga)
{
    if (riga == m_guasto)
        return;
    m_guasto = riga;
    emit guastoCambiato();
}
