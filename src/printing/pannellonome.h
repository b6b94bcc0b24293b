#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

// The name panel of the report window (fraNome): a box of at most 15
// characters and "AVANTI". The panel keeps its text while it lives.
class PannelloNome final : public QFrame
{
    Q_OBJECT

public:
    static constexpr int lunghezzaMassima = 15;
    static constexpr int larghezzaTwips = 6720;
    static constexpr int altezzaTwips = 4500;

    explicit PannelloNome(QWidget *parent = nullptr);

    /** The name exactly as typed. */
    QString nome() const;

    QLabel *Label6 = nullptr;
    QLineEdit *txtNome = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label9 = nullptr;
    QPushButton *cmdAvanti = nullptr;

signals:
    /** "AVANTI" was pressed (or Enter in the box). */
    void avanti();
};
