#pragma once

#include <QWidget>

class PulsanteOpzione;
class QLabel;
class QLineEdit;

// Where the teacher types the password that opens the whole register: at
// first use a new one, twice. What is typed is handed on and cleared at once;
// it is never kept.
class PannelloPassword final : public QWidget
{
    Q_OBJECT

public:
    enum class Modo { nuova, entra, laboratorio };

    explicit PannelloPassword(QWidget *parent = nullptr);

    /** Asks for a new password (twice), for the one set, or for the password of a lab
        server's teacher role. */
    void impostaModo(Modo modo);
    Modo modo() const { return m_modo; }
    /** While the password is being checked nothing can be typed. */
    void inAttesa(bool attesa);
    /** The line under the fields: why the password was refused, or empty. */
    void mostraEsito(const QString &testo);

    QLabel *lblSpiegazione = nullptr;
    QLineEdit *txtPassword = nullptr;
    QLineEdit *txtRipeti = nullptr;
    PulsanteOpzione *cmdEntra = nullptr;
    QLabel *lblEsito = nullptr;

signals:
    /** ripetuta is empty when only the password set is asked for. */
    void passwordScritta(const QString &password, const QString &ripetuta);

private:
    void invia();

    Modo m_modo = Modo::entra;
};
