#pragma once

#include <QAccessible>
#include <QString>

namespace accessibilita {
/** Has Qt describe every Accessibile control through its role, name and action. Once is enough;
    calling it again changes nothing. */
void installa();
} // namespace accessibilita

// How a control of ours shows itself to assistive technology (screen readers,
// switch access), which reaches it through Qt's accessibility interfaces. A
// control that is more than its Qt class says derives from Accessibile too;
// the interface Qt hands out for it then asks it for its role, its name and
// what "Press" does.
class Accessibile
{
public:
    Accessibile() { accessibilita::installa(); }
    virtual ~Accessibile() = default;
    Accessibile(const Accessibile &) = delete;
    Accessibile &operator=(const Accessibile &) = delete;

    /** PushButton for what the mouse presses; Whitespace for what only decorates (never reported
        as showing, never focusable, without a name); any other role for what is read. */
    virtual QAccessible::Role ruoloAccessibile() const = 0;
    /** The name read out; empty: the widget's accessible name. */
    virtual QString nomeAccessibile() const { return {}; }
    /** Assistive technology's "Press" on a PushButton: what the mouse does to the control. It is
        offered only while the control is shown and enabled. */
    virtual void premiAccessibile() {}
    /** For a control that is no button but still does something on a click (the exercise
        window, whose background shows and hides the statistics): the name under which assistive
        technology is offered premiAccessibile. Empty for none. */
    virtual QString azioneAccessibile() const { return {}; }
    /** False for a control that speaks for its children: they are left out of what is read. */
    virtual bool figliAccessibili() const { return true; }
};
