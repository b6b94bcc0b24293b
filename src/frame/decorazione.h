#pragma once

#include "accessibile.h"

#include <QLabel>

// A control that only decorates: a box of colour, a curtain, a shape drawn
// round other controls. The pupil sees it; assistive technology is told it is
// not there to be read, focused or pressed.
class Decorazione final : public QLabel, public Accessibile
{
    Q_OBJECT

public:
    explicit Decorazione(QWidget *parent = nullptr)
        : QLabel(parent)
    {
    }

    QAccessible::Role ruoloAccessibile() const override { return QAccessible::Whitespace; }
};
