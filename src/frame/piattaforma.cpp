#include "piattaforma.h"

#include "modulo2.h"
#include "servizi.h"
#include "stampantereale.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTranslator>

namespace {
void caricaTraduzioniQt(QApplication &app)
{
    // Without the translations package Qt's dialogs stay in English; the
    // program's own texts are Italian either way.
    auto *traduttore = new QTranslator(&app);
    if (traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduttore);
}

void mostraMessaggio(const QString &testo)
{
    QMessageBox box(QMessageBox::NoIcon, modulo2().NomeProgramma, testo, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
} // namespace

void installaPiattaforma(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    caricaTraduzioniQt(app);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
    servizi().messaggio = mostraMessaggio;
}
