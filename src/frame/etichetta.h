#pragma once

#include "accessibile.h"

#include <QLabel>

// A label that acts as a button when clicked (the mouse button released over
// it). Assistive technology sees a button whose "Press" clicks it.
class Etichetta final : public QLabel, public Accessibile
{
    Q_OBJECT

public:
    explicit Etichetta(const QString &testo = QString(), QWidget *parent = nullptr)
        : QLabel(testo, parent)
    {
    }

    /** What a click does: cliccata. Run by the mouse and by assistive technology's "Press". */
    void clicca();

    QAccessible::Role ruoloAccessibile() const override { return QAccessible::PushButton; }
    QString nomeAccessibile() const override { return text(); }
    void premiAccessibile() override { clicca(); }

signals:
    void cliccata();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
