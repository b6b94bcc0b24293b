// Qt's own dialogs speak Italian once the platform is set up: installaPiattaforma
// loads qtbase_it from Qt's translations folder (package qt6-translations-l10n).

#include "frame/piattaforma.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QtTest>

class TstPiattaforma final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm");
        QVERIFY2(QFileInfo::exists(qm), qPrintable(qm + QStringLiteral(" missing: install qt6-translations-l10n")));
        // Before the set-up Qt speaks English: what follows is the set-up's doing.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        installaPiattaforma(*qobject_cast<QApplication *>(QCoreApplication::instance()));
    }

    // Texts of the message box buttons (Qt takes them from its platform theme), the file and print dialogs.
    void testi_data()
    {
        QTest::addColumn<QString>("contesto");
        QTest::addColumn<QString>("originale");
        QTest::addColumn<QString>("testo");
        QTest::newRow("Yes") << "QPlatformTheme" << "&Yes" << "&Sì";
        QTest::newRow("Cancel") << "QPlatformTheme" << "Cancel" << "Annulla";
        QTest::newRow("file dialog") << "QFileDialog" << "Look in:" << "Cerca in:";
        QTest::newRow("print dialog") << "QPrintDialog" << "Print" << "Stampa";
    }

    void testi()
    {
        QFETCH(QString, contesto);
        QFETCH(QString, originale);
        QFETCH(QString, testo);
        QCOMPARE(QCoreApplication::translate(qPrintable(contesto), qPrintable(originale)), testo);
    }
};

QTEST_MAIN(TstPiattaforma)
#include "tst_piattaforma.moc"
