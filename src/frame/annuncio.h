#pragma once

#include "accessibile.h"

#include <QStringList>
#include <QWidget>

#include <functional>

// What a screen reader says without the focus moving: a message that appears
// in a window ("Esatto", "Ti aiuto ?", ...). Every message goes through
// Annuncio::annuncia. The window's announcement, a hidden notification of no
// size, takes the messages of one event, joined, as its name once the event
// is over (after any change of focus it brought) and shows itself for an
// instant: assistive technology speaks a notification as it is shown.
class Annuncio final : public QWidget, public Accessibile
{
    Q_OBJECT

public:
    using Osservatore = std::function<void(const QString &testo)>;

    /** Announces testo in the window of fonte. */
    static void annuncia(QWidget *fonte, const QString &testo);
    /** Every announcement is handed to osservatore as it is made (tests record them); empty: none. */
    static void impostaOsservatore(Osservatore osservatore);
    /** The window's announcement; null before its first message. */
    static Annuncio *di(const QWidget *finestra);

    /** The messages announced last, joined. */
    QString testo() const { return m_testo; }

    QAccessible::Role ruoloAccessibile() const override { return QAccessible::Notification; }
    QString nomeAccessibile() const override { return m_testo; }

private:
    explicit Annuncio(QWidget *finestra);
    void pubblica();

    QStringList m_inAttesa; // messages of the event under way
    QString m_testo;
};
