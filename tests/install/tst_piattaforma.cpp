// Qt's own dialogs speak Italian once the platform is set up: installaPiattaforma
// loads qtbase_it from Qt's translations folder (package qt6-translations-l10n).
// The texts are read from real message boxes, button boxes and dialogs.

#include "frame/piattaforma.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TstPiattaforma final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pulsantiMessaggio_data();
    void pulsantiMessaggio();
    void pulsantiRiquadro_data();
    void pulsantiRiquadro();
    void testiDialoghi_data();
    void testiDialoghi();
};

void TstPiattaforma::initTestCase()
{
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm");
    QVERIFY2(QFileInfo::exists(qm), qPrintable(qm + QStringLiteral(" missing: install qt6-translations-l10n")));
    // Before the set-up Qt speaks English: what follows is the set-up's doing.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    installaPiattaforma(*qobject_cast<QApplication *>(QCoreApplication::instance()));
}

void TstPiattaforma::pulsantiMessaggio_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("pulsante");
    QTest::addColumn<QString>("testo");
    QTest::newRow("Yes") << QMessageBox::Yes << QStringLiteral("&Sì");
    QTest::newRow("Cancel") << QMessageBox::Cancel << QStringLiteral("Annulla");
    QTest::newRow("Close") << QMessageBox::Close << QStringLiteral("Chiudi");
    QTest::newRow("Save") << QMessageBox::Save << QStringLiteral("Salva");
}

void TstPiattaforma::pulsantiMessaggio()
{
    QFETCH(QMessageBox::StandardButton, pulsante);
    QFETCH(QString, testo);
    QMessageBox box(QMessageBox::Question, QStringLiteral("TARVELO"), QStringLiteral("?"), pulsante);
    QCOMPARE(box.button(pulsante)->text(), testo);
}

void TstPiattaforma::pulsantiRiquadro_data()
{
    QTest::addColumn<QDialogButtonBox::StandardButton>("pulsante");
    QTest::addColumn<QString>("testo");
    QTest::newRow("Retry") << QDialogButtonBox::Retry << QStringLiteral("Riprova");
    QTest::newRow("Apply") << QDialogButtonBox::Apply << QStringLiteral("Applica");
    QTest::newRow("Open") << QDialogButtonBox::Open << QStringLiteral("Apri");
}

void TstPiattaforma::pulsantiRiquadro()
{
    QFETCH(QDialogButtonBox::StandardButton, pulsante);
    QFETCH(QString, testo);
    QDialogButtonBox riquadro(pulsante);
    QCOMPARE(riquadro.button(pulsante)->text(), testo);
}

void TstPiattaforma::testiDialoghi_data()
{
    QTest::addColumn<QString>("contesto");
    QTest::addColumn<QString>("originale");
    QTest::addColumn<QString>("testo");
    QTest::newRow("file dialog") << QStringLiteral("QFileDialog") << QStringLiteral("Look in:")
                                 << QStringLiteral("Cerca in:");
    QTest::newRow("print dialog") << QStringLiteral("QPrintDialog") << QStringLiteral("Print")
                                  << QStringLiteral("Stampa");
}

void TstPiattaforma::testiDialoghi()
{
    QFETCH(QString, contesto);
    QFETCH(QString, originale);
    QFETCH(QString, testo);
    QCOMPARE(QCoreApplication::translate(contesto.toLatin1().constData(), originale.toLatin1().constData()), testo);
}

QTEST_MAIN(TstPiattaforma)
#include "tst_piattaforma.moc"
