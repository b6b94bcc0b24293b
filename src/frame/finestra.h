#pragma once

#include "layoutproporzionale.h"

#include <QMainWindow>

// A window of the program: a single instance reached by its name through
// Finestre. The constructor builds the controls; Finestre then runs the load
// handler, alCaricamento, before anything is shown. Its controls lie on an inner area of fixed design size, in twips,
// and keep their proportions whenever the window changes size.
class Finestra : public QMainWindow
{
    Q_OBJECT

public:
    /** Builds the inner area at the design size (twips); the subclass adds its controls. */
    Finestra(const QString &nome, QSize designTwips, QWidget *parent = nullptr);
    ~Finestra() override;

    QString nome() const { return objectName(); }
    /** The area that holds the controls; its size is the window's inner size. */
    QWidget *area() const { return m_area; }
    const LayoutProporzionale &layoutProporzionale() const { return m_layout; }
    /** Shows the window maximized, covering the screen's free area even where no window manager does it. */
    void mostraIngrandita();

    /** The load handler; the window is already in the collection of loaded windows. */
    virtual void alCaricamento() {}
    /** Runs before the window is removed; the start window writes its settings here. */
    virtual void alloScaricamento() {}

signals:
    /** The window has left the collection of loaded windows. */
    void scaricata();

protected:
    /** Takes the layout ratios of every control placed so far (end of the load handler). */
    void catturaLayout();
    /** Called after every rescale; windows with panels of their own place them here. */
    virtual void dopoRiscala() {}

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QWidget *m_area = nullptr;
    QSize m_design;
    LayoutProporzionale m_layout;
};
