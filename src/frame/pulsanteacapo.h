#pragma once

#include "accessibile.h"

#include <QPushButton>

// A command button whose caption breaks between words when it is wider than
// the button, so that long captions in narrow buttons stay readable whole.
// Assistive technology's "Press" does what a click of the mouse does: the
// button takes the focus, then it is clicked.
class PulsanteACapo final : public QPushButton, public Accessibile
{
    Q_OBJECT

public:
    explicit PulsanteACapo(const QString &testo, QWidget *parent = nullptr);

    QAccessible::Role ruoloAccessibile() const override { return QAccessible::PushButton; }
    QString nomeAccessibile() const override { return text(); }
    void premiAccessibile() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
