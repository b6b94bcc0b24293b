#include "layoutproporzionale.h"

#include "aspetto.h"

void LayoutProporzionale::cattura(QWidget *radice, QSize interno)
{
    m_posizioni.clear();
    m_controlli.clear();
    const auto figli = radice->findChildren<QWidget *>();
    for (QWidget *controllo : figli) {
        if (!aspetto::scalabile(controllo))
            continue;
        m_controlli.emplace_back(controllo);
        m_posizioni.push_back(misuraPosizione(controllo->geometry(), interno));
    }
}

void LayoutProporzionale::riscala(QSize interno) const
{
    for (std::size_t i = 0; i < m_controlli.size(); ++i) {
        if (QWidget *controllo = m_controlli[i])
            controllo->setGeometry(applicaPosizione(m_posizioni[i], interno));
    }
}
