#pragma once

#include "accessibile.h"

#include <QPushButton>

// An option button used as a push button: it acts when the mouse button goes
// down (or, where allowed, when Enter is pressed while it has the focus), it is
// never left checked, and it shows by its background whether it has the focus.
// A held key acts once. Assistive technology's "Press" is a press and a release
// of the mouse, through the same two functions.
class PulsanteOpzione final : public QPushButton, public Accessibile
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

    /** The action of the button, as the left mouse button going down, Enter where allowed and
        assistive technology's "Press" all run it: nothing while the button is disabled; else it
        takes the focus, as a click gives it, and premuto is emitted. */
    void premi();
    /** The end of a press: rilasciato. Run by any mouse button going up over the button (also
        one that its own press disabled) and at the end of assistive technology's "Press". */
    void rilascia();

    QAccessible::Role ruoloAccessibile() const override { return QAccessible::PushButton; }
    QString nomeAccessibile() const override { return m_caption; }
    void premiAccessibile() override;

signals:
    /** The action of the button: mouse-down, Enter on the focused button, or "Press". */
    void premuto(int indice);
    /** A press of the button has ended. */
    void rilasciato(int indice);

protected:
    bool event(QEvent *event) override;
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
