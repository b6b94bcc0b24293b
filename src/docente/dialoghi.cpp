#include "dialoghi.h"

#include "frame/modulo2.h"
#include "frame/orologio.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString titolo()
{
    return modulo2().NomeProgramma.isEmpty() ? QStringLiteral("TARVELO") : modulo2().NomeProgramma;
}

QString sceltaFile(QWidget *padre, const QString &proposto)
{
    return QFileDialog::getSaveFileName(padre, QStringLiteral("Esporta l'elenco delle serie"), proposto,
                                        QStringLiteral("File CSV (*.csv);;Tutti i file (*)"));
}

bool conferma(QWidget *padre, const QString &domanda)
{
    QMessageBox box(QMessageBox::Question, titolo(), domanda, QMessageBox::NoButton, padre);
    QPushButton *si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("No"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == si;
}

QString nome(QWidget *padre, const QString &domanda)
{
    QInputDialog dialogo(padre);
    dialogo.setWindowTitle(titolo());
    dialogo.setLabelText(domanda);
    dialogo.setOkButtonText(QStringLiteral("Assegna"));
    dialogo.setCancelButtonText(QStringLiteral("Annulla"));
    // "Assegna" only once a name is written: a blank one would name nothing without a word.
    QPushButton *assegna = dialogo.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    assegna->setEnabled(false);
    QObject::connect(&dialogo, &QInputDialog::textValueChanged, assegna,
                     [assegna](const QString &testo) { assegna->setEnabled(!testo.simplified().isEmpty()); });
    return dialogo.exec() == QDialog::Accepted ? dialogo.textValue() : QString();
}

QDate giorno(QWidget *padre, const QString &domanda, const QDate &proposta)
{
    QDialog dialogo(padre);
    dialogo.setWindowTitle(titolo());
    auto *disposizione = new QVBoxLayout(&dialogo);
    auto *etichetta = new QLabel(domanda, &dialogo);
    auto *data = new QDateEdit(proposta, &dialogo);
    data->setDisplayFormat(formatoDataBreve());
    data->setCalendarPopup(true);
    etichetta->setBuddy(data);
    auto *pulsanti = new QDialogButtonBox(&dialogo);
    pulsanti->addButton(QStringLiteral("Avanti"), QDialogButtonBox::AcceptRole);
    pulsanti->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    disposizione->addWidget(etichetta);
    disposizione->addWidget(data);
    disposizione->addWidget(pulsanti);
    return dialogo.exec() == QDialog::Accepted ? data->date() : QDate();
}

} // namespace

Dialoghi dialoghiQt(QWidget *padre)
{
    return {[padre](const QString &proposto) { return sceltaFile(padre, proposto); },
            [padre](const QString &domanda) { return conferma(padre, domanda); },
            [padre](const QString &domanda) { return nome(padre, domanda); },
            [padre](const QString &domanda, const QDate &proposta) { return giorno(padre, domanda, proposta); }};
}
