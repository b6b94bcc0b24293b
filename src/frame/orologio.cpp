#include "orologio.h"

#include <QTime>

float OrologioDiSistema::secondiDallaMezzanotte() const
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

QDate OrologioDiSistema::oggi() const
{
    return QDate::currentDate();
}

QString dataBreve(const QDate &data)
{
    return data.toString(QStringLiteral("dd/MM/yyyy"));
}
