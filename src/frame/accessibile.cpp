#include "accessibile.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// The interface Qt hands to assistive technology for an Accessibile control.
// Everything is asked of the control at the moment it is needed, so a
// control's role, name and action follow its state.
class InterfacciaAccessibile final : public QAccessibleWidget
{
public:
    explicit InterfacciaAccessibile(QWidget *controllo)
        : QAccessibleWidget(controllo)
    {
    }

    QAccessible::Role role() const override
    {
        const Accessibile *a = accessibile();
        return a ? a->ruoloAccessibile() : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State stato = QAccessibleWidget::state();
        if (decorativo())
            stato.invisible = true;
        // What cannot be seen cannot take the focus either.
        if (stato.invisible)
            stato.focusable = false;
        return stato;
    }

    QString text(QAccessible::Text tipo) const override
    {
        if (decorativo())
            return {};
        const Accessibile *a = accessibile();
        if (tipo == QAccessible::Name && a && !a->nomeAccessibile().isEmpty())
            return a->nomeAccessibile();
        return QAccessibleWidget::text(tipo);
    }

    int childCount() const override { return figli() ? QAccessibleWidget::childCount() : 0; }
    QAccessibleInterface *child(int indice) const override
    {
        return figli() ? QAccessibleWidget::child(indice) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *figlio) const override
    {
        return figli() ? QAccessibleWidget::indexOfChild(figlio) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        return figli() ? QAccessibleWidget::childAt(x, y) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (state().invisible)
            return {};
        QStringList azioni;
        if (!azionePropria().isEmpty())
            azioni.append(azionePropria());
        return azioni + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &azione) override
    {
        if (!azione.isEmpty() && azione == azionePropria())
            accessibile()->premiAccessibile();
        else
            QAccessibleWidget::doAction(azione);
    }

private:
    // Null while the control is being built or destroyed: then it is only its Qt base.
    Accessibile *accessibile() const { return dynamic_cast<Accessibile *>(object()); }

    bool decorativo() const { return role() == QAccessible::Whitespace; }
    bool figli() const
    {
        const Accessibile *a = accessibile();
        return !a || a->figliAccessibili();
    }
    // The action that runs premiAccessibile: "Press" on a button, the control's own elsewhere;
    // none while it cannot be used.
    QString azionePropria() const
    {
        const Accessibile *a = accessibile();
        if (!a || !widget()->isEnabled() || !widget()->isVisible())
            return {};
        return role() == QAccessible::PushButton ? pressAction() : a->azioneAccessibile();
    }
};

QAccessibleInterface *interfaccia(const QString &, QObject *oggetto)
{
    auto *controllo = qobject_cast<QWidget *>(oggetto);
    if (controllo && dynamic_cast<Accessibile *>(oggetto))
        return new InterfacciaAccessibile(controllo);
    return nullptr;
}

} // namespace

void accessibilita::installa()
{
    QAccessible::installFactory(interfaccia);
}
