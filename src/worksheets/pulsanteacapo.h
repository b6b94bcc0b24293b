#pragma once

#include <QPushButton>

// A command button whose caption breaks between words when it is wider than
// the button, so that long captions in narrow buttons stay readable whole.
class PulsanteACapo final : public QPushButton
{
    Q_OBJECT

public:
    explicit PulsanteACapo(const QString &testo, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
