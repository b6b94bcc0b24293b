#pragma once

#include "frame/orologio.h"

// A clock that says what the test tells it.
class OrologioFinto final : public Orologio
{
public:
    float secondiDallaMezzanotte() const override { return m_secondi; }
    QDate oggi() const override { return m_oggi; }

    void imposta(float secondi) { m_secondi = secondi; }
    void avanza(float secondi) { m_secondi += secondi; }

private:
    float m_secondi = 36000.0f;
    QDate m_oggi{2026, 12, 5};
};
