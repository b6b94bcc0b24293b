#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

// Places, colours and fonts of controls, in the units the window layouts use:
// twips, 0x00BBGGRR colours and points.
namespace aspetto {

// Controls are laid out at 96 pixels per inch, whatever the screen: the
// proportional layout then stretches them to the window's real size.
constexpr double dpiDisegno = 96.0;

int pixelDaTwips(int twips);
QSize pixelDaTwips(QSize twips);
QRect pixelDaTwips(QRect twips);

/** Places the control (left, top, width, height in twips) and makes it follow the proportional layout. */
void posiziona(QWidget *controllo, int left, int top, int width, int height);
/** True for the controls placed with posiziona. */
bool scalabile(const QWidget *controllo);

void impostaSfondo(QWidget *controllo, quint32 coloreBgr);
void impostaColoreTesto(QWidget *controllo, quint32 coloreBgr);
void impostaFont(QWidget *controllo, const QString &nome, double punti, bool grassetto);

/** A label in Arial of the given size. */
QLabel *etichettaArial(QWidget *padre, const QString &testo, double punti, bool grassetto);
/** One of the three red header lines across the top of the exercise and examples windows
    (360 twips high in the exercise window). */
QLabel *rigaIntestazione(QWidget *padre, int top, int altezza = 360);
/** The light-yellow frame with a bold Arial 10 caption that groups options and lists. */
QGroupBox *corniceGialla(QWidget *padre, const QString &titolo);

// Colours shared by several windows, in the 0x00BBGGRR form.
constexpr quint32 bgr(quint32 rosso, quint32 verde, quint32 blu)
{
    return (blu << 16) | (verde << 8) | rosso;
}
constexpr quint32 bianco = 0x00FFFFFFu;
constexpr quint32 giallinoChiaro = 0x00C0FFFFu;
constexpr quint32 bluScuro = 0x00C00000u;
constexpr quint32 rosso = 0x000000FFu;
constexpr quint32 fuocoAcceso = bgr(255, 192, 128);
constexpr quint32 fuocoSpento = bgr(255, 224, 192);

} // namespace aspetto
