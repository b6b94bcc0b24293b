#include "graficoandamento.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(registroGrafico, "tarvelo.grafico")

QStringList cartelleModulo()
{
    return QStringList{QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TARVELO_DIR_GRAFICO))}
           + QCoreApplication::libraryPaths();
}

// The first module found that loads and exports the factory; the library stays
// loaded for the rest of the run.
FabbricaGrafico *caricaFabbrica()
{
    for (const QString &cartella : cartelleModulo()) {
        const QString file = QDir(cartella).filePath(QStringLiteral("tarvelo_grafico.so"));
        if (!QFileInfo::exists(file))
            continue;
        QLibrary modulo(file);
        if (auto *fabbrica = reinterpret_cast<FabbricaGrafico *>(modulo.resolve("creaGrafico")))
            return fabbrica;
        qCWarning(registroGrafico) << "chart module not usable:" << modulo.errorString();
    }
    qCWarning(registroGrafico) << "chart module tarvelo_grafico not found in" << cartelleModulo();
    return nullptr;
}

} // namespace

GraficoAndamento *creaGraficoAndamento(QWidget *parent)
{
    static FabbricaGrafico *const fabbrica = caricaFabbrica();
    return fabbrica ? fabbrica(parent) : nullptr;
}
