#pragma once

#include <QString>

// The names of the program's windows, as every window reaches the others.
namespace nomi {
inline const QString frmInizio = QStringLiteral("frmInizio");
inline const QString FrmOperativo = QStringLiteral("FrmOperativo");
inline const QString FrmStampaEsercizio = QStringLiteral("FrmStampaEsercizio");
inline const QString FrmAttestato = QStringLiteral("FrmAttestato");
inline const QString FrmStampaSchede = QStringLiteral("FrmStampaSchede");
inline const QString FrmValutazione = QStringLiteral("FrmValutazione");
inline const QString FrmEsemplicazione = QStringLiteral("FrmEsemplicazione");
} // namespace nomi
