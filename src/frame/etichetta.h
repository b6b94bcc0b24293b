#pragma once

#include <QLabel>

// A label that reports a click (mouse button released over it).
class Etichetta final : public QLabel
{
    Q_OBJECT

public:
    explicit Etichetta(const QString &testo = QString(), QWidget *parent = nullptr)
        : QLabel(testo, parent)
    {
    }

signals:
    void cliccata();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
