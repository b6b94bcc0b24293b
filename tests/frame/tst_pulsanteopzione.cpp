// The option button used as a push button: it acts once on the mouse-down
// (left button only), once for a held Enter, never on Space, and it is never
// left down, even when its action hides the window that holds it and the
// release goes elsewhere.
#include "frame/pulsanteopzione.h"

#include <QtTest>

namespace {
enum class Gesto { Clic, ClicDestro, ClicCheNasconde, InvioTenuto, Spazio };
}

class TstPulsanteOpzione final : public QObject
{
    Q_OBJECT

private slots:
    void premuto_data();
    void premuto();
};

void TstPulsanteOpzione::premuto_data()
{
    QTest::addColumn<Gesto>("gesto");
    QTest::addColumn<int>("azioni");
    QTest::newRow("left click") << Gesto::Clic << 1;
    QTest::newRow("right click does nothing") << Gesto::ClicDestro << 0;
    QTest::newRow("press that hides the window, release lost") << Gesto::ClicCheNasconde << 1;
    QTest::newRow("Enter held down acts once") << Gesto::InvioTenuto << 1;
    QTest::newRow("Space does nothing") << Gesto::Spazio << 0;
}

void TstPulsanteOpzione::premuto()
{
    QFETCH(Gesto, gesto);
    QFETCH(int, azioni);
    QWidget finestra;
    auto *pulsante = new PulsanteOpzione(QStringLiteral("Avanti"), 3, &finestra);
    pulsante->setGeometry(10, 10, 120, 40);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    pulsante->setFocus();
    QList<int> indici;
    connect(pulsante, &PulsanteOpzione::premuto, [&](int indice) {
        indici.append(indice);
        if (gesto == Gesto::ClicCheNasconde)
            finestra.hide(); // as when the action opens another window in its place
    });

    switch (gesto) {
    case Gesto::Clic:
        QTest::mouseClick(pulsante, Qt::LeftButton);
        break;
    case Gesto::ClicDestro:
        QTest::mouseClick(pulsante, Qt::RightButton);
        break;
    case Gesto::ClicCheNasconde:
        // The window system gives the release to whatever is under the
        // mouse now, never to a hidden button.
        QTest::mousePress(pulsante, Qt::LeftButton);
        finestra.show();
        break;
    case Gesto::InvioTenuto:
        for (int i = 0; i < 3; ++i) {
            QKeyEvent giu(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), i > 0);
            QCoreApplication::sendEvent(pulsante, &giu);
        }
        QTest::keyRelease(pulsante, Qt::Key_Return);
        break;
    case Gesto::Spazio:
        QTest::keyClick(pulsante, Qt::Key_Space);
        break;
    }

    QCOMPARE(indici, QList<int>(azioni, 3));
    QVERIFY(!pulsante->isDown());
    QVERIFY(!pulsante->isChecked());
}

QTEST_MAIN(TstPulsanteOpzione)
#include "tst_pulsanteopzione.moc"
