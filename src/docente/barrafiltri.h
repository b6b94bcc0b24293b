#pragma once

#include "docente/filtroregistro.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

// The register's filters: part of a pupil's name, from and to a day, a
// computer, an operation. Every change is told at once.
class BarraFiltri final : public QWidget
{
    Q_OBJECT

public:
    explicit BarraFiltri(QWidget *parent = nullptr);

    FiltroRegistro filtro() const;
    /** The computers offered besides "Tutti"; the one chosen stays when it is among them. */
    void impostaComputer(const QStringList &computer);
    /** With soloOggi the days cannot be chosen: only today's series are there. */
    void impostaSoloOggi(bool soloOggi);

    QLineEdit *txtAlunno = nullptr;
    QCheckBox *chkDal = nullptr;
    QDateEdit *datDal = nullptr;
    QCheckBox *chkAl = nullptr;
    QDateEdit *datAl = nullptr;
    QComboBox *cmbComputer = nullptr;
    QComboBox *cmbOperazione = nullptr;

signals:
    void cambiato();
};
