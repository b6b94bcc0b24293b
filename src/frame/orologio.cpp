#include "orologio.h"

#include <QTime>

#include <algorithm>
#include <cmath>

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

QDateTime adesso(const Orologio &orologio)
{
    constexpr long long millisecondiPerGiorno = 1000LL * secondiPerGiorno;
    const auto millisecondi = std::llround(static_cast<double>(orologio.secondiDallaMezzanotte()) * 1000.0);
    const auto delGiorno = static_cast<int>(std::clamp(millisecondi, 0LL, millisecondiPerGiorno - 1));
    return QDateTime(orologio.oggi(), QTime::fromMSecsSinceStartOfDay(delGiorno));
}
