#pragma once

#include <QString>

#include <array>

// A shared array of texts with fixed bounds. Reading outside the bounds gives
// an empty text and writing outside them is ignored, so a wrong index can never
// write past the array.
template <int Ultimo>
class ElencoTesti final
{
public:
    static constexpr int primo = 0;
    static constexpr int ultimo = Ultimo;

    static constexpr bool valido(int indice) { return indice >= primo && indice <= ultimo; }

    QString valore(int indice) const { return valido(indice) ? m_testi[indice] : QString(); }
    void imposta(int indice, const QString &testo)
    {
        if (valido(indice))
            m_testi[indice] = testo;
    }
    void svuota(int da, int a)
    {
        for (int i = da; i <= a; ++i)
            imposta(i, QString());
    }
    QString operator[](int indice) const { return valore(indice); }

private:
    std::array<QString, Ultimo + 1> m_testi{};
};
