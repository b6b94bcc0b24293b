#include "avvioregistro.h"

#include "registroclasse.h"

#include <QEvent>
#include <QTimer>

namespace {

// Long enough for one write to wait out another program's lock, and no more.
constexpr std::chrono::milliseconds attesaChiusura{2000};

// Starts the record once, after the first paint of the window it watches.
class DopoIlPrimoDisegno final : public QObject
{
public:
    explicit DopoIlPrimoDisegno(QObject *finestra)
        : QObject(finestra)
    {
        finestra->installEventFilter(this);
    }

    bool eventFilter(QObject *finestra, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint) {
            finestra->removeEventFilter(this);
            // Once the paint is done, not inside it.
            QTimer::singleShot(0, [] { registroClasse().avvia(impostazioniPredefinite()); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void avviaRegistroDopoIlPrimoDisegno(QObject *finestra)
{
    new DopoIlPrimoDisegno(finestra);
}

void chiudiRegistro()
{
    registroClasse().chiudi(attesaChiusura);
}
