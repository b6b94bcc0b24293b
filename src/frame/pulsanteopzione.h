#pragma once

#include <QPushButton>

// An option button used as a push button: it acts when the mouse button goes
// down (or, where allowed, when Enter is pressed while it has the focus), it is
// never left checked, and it shows by its background whether it has the focus.
// A held key acts once.
class PulsanteOpzione final : public QPushButton
{
    Q_OBJECT

public:
    /** indice is the button's place in its control array, handed to every handler. */
    PulsanteOpzione(const QString &testo, int indice, QWidget *parent = nullptr);

    int indice() const { return m_indice; }
    /** The caption as given; on screen it wraps onto more lines when the button is too narrow. */
    QString caption() const { return m_caption; }
    void impostaCaption(const QString &caption);
    /** Whether every mouse button acts, not only the left one (off by default). */
    void impostaOgniTastoMouse(bool ogni) { m_ogniTastoMouse = ogni; }
    /** Whether Enter on the focused button acts like a mouse press (on by default). */
    void impostaInvioAgisce(bool agisce) { m_invioAgisce = agisce; }
    /** Background colours with and without the focus, as 0x00BBGGRR. */
    void impostaColoriFuoco(quint32 conFuoco, quint32 senzaFuoco);

signals:
    /** The action of the button: mouse-down, or Enter on the focused button. */
    void premuto(int indice);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void aggiornaSfondo();
    void adattaTesto();

    QString m_caption;
    int m_indice = 0;
    bool m_ogniTastoMouse = false;
    bool m_invioAgisce = true;
    bool m_tastoInCorso = false;
    bool m_coloriFuoco = false;
    quint32 m_conFuoco = 0;
    quint32 m_senzaFuoco = 0;
};

/** A button of a window's command row: bold Arial of the given size, dark blue, with the focus colours. */
PulsanteOpzione *pulsanteComando(const QString &testo, int indice, double punti, QWidget *parent);
