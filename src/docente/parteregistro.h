#pragma once

#include "docente/modelloregistro.h"
#include "docente/operazioniregistro.h"
#include "docente/pannellopassword.h"
#include "record/accessoregistro.h"
#include "record/registroclasse.h"

#include <QWidget>

#include <array>

class BarraFiltri;
class PulsanteOpzione;
class QCheckBox;
class QLabel;
class QTableView;
class QTableWidget;
struct Dialoghi;

// The part of the grading window headed "Registro": the series of the class
// record with their filters, the operations of the series selected, and what
// the teacher may do with them. On a computer on its own, without the
// teacher's password only today's series are shown and nothing can be
// changed; on a lab's server, nothing is shown until the teacher role's
// password opens it, and the server decides what it allows. Every request
// runs on the record's thread; the table fills when the answer comes.
class ParteRegistro final : public QWidget
{
    Q_OBJECT

public:
    // The buttons' places in their control array.
    enum Azione : int { assegnaNome = 0, elimina = 1, eliminaFinoAl = 2 };

    ParteRegistro(Dialoghi &dialoghi, QWidget *parent = nullptr);

    /** Reads the register again, as far as the teacher may see it; until the answer comes
        the table says "Caricamento…". */
    void carica();
    /** Asks for a file and writes the series shown into it as CSV, with their operations
        when chkOperazioni is checked; says where, or why it could not. */
    void Esporta();
    /** True once the teacher's password has opened the whole register. */
    bool completo() const { return m_completo; }
    const ModelloRegistro &modello() const { return *m_modello; }
    const VistaRegistro &vista() const { return *m_vista; }
    /** What went wrong with the last reading, as one Italian line; empty when it went well. */
    QString guasto() const { return m_guasto; }

    // Controls.
    PannelloPassword *fraPassword = nullptr;
    QLabel *lblAmbito = nullptr;
    BarraFiltri *fraFiltri = nullptr;
    QLabel *lblConteggio = nullptr;
    QTableView *tblRegistro = nullptr;
    QLabel *lblOperazioni = nullptr;
    QTableWidget *tblOperazioni = nullptr;
    std::array<PulsanteOpzione *, 3> optAzioni{};
    QCheckBox *chkOperazioni = nullptr;

signals:
    void guastoCambiato();
    /** The series selected, for the chart of its pupil. */
    void serieScelta(const SerieRegistro &serie);

private:
    struct Caricamento
    {
        std::vector<SerieRegistro> serie;
        bool conPassword = false; // the teacher's password is set
    };

    // Runs lavoro on the record's thread, on the record as m_accesso reaches it, and hands
    // what it found to risposta here.
    template <typename T>
    void chiedi(std::function<std::optional<T>(Consultazione &)> lavoro,
                std::function<void(EsitoRegistro<T> esito)> risposta)
    {
        registroClasse().interroga<EsitoRegistro<T>>(
            [accesso = m_accesso, lavoro = std::move(lavoro)](Archivio *archivio) {
                return consultaRegistro<T>(archivio, accesso, lavoro);
            },
            this, std::move(risposta));
    }

    void costruisciTabelle();
    void costruisciAzioni();
    void caricato(EsitoRegistro<Caricamento> esito);
    void mostraSerie(std::vector<SerieRegistro> serie, PannelloPassword::Modo modo);
    void filtra();
    void controllaPassword(const QString &password, const QString &ripetuta);
    void sceltaCambiata();
    void mostraOperazioni(const std::vector<OperazioneRegistro> &operazioni);
    void aggiornaAzioni();
    void impostaGuasto(const QString &riga);
    QString serieCorrente() const;

    // The teacher's actions (parteregistro_azioni.cpp).
    void premuto(int indice);
    void AssegnaNome();
    void Elimina();
    void EliminaFinoAl();
    void eliminaSerie(const QStringList &id, const QString &domanda);

    Dialoghi &m_dialoghi;
    ModelloRegistro *m_modello = nullptr;
    VistaRegistro *m_vista = nullptr;
    bool m_completo = false;
    bool m_laboratorio = false; // the register is a lab's server's
    AccessoRegistro m_accesso;
    int m_caricamento = 0; // the latest reading; the answers to older ones are dropped
    QString m_guasto;
};
