#include "orologio.h"

#include <QTime>

#include <algorithm>
#include <cmath>
#include <ctime>

#include <langinfo.h>

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
    // The C library's short date for the user's LC_TIME ("%x"), which Qt's own
    // locale (set to Italian for its dialogs) does not follow.
    std::tm giorno{};
    giorno.tm_year = data.year() - 1900;
    giorno.tm_mon = data.month() - 1;
    giorno.tm_mday = data.day();
    giorno.tm_wday = data.dayOfWeek() % 7;
    giorno.tm_yday = data.dayOfYear() - 1;
    char testo[128];
    const std::size_t lunghezza = std::strftime(testo, sizeof testo, "%x", &giorno);
    return QString::fromLocal8Bit(testo, static_cast<qsizetype>(lunghezza));
}

QString formatoDataBreve()
{
    // The C library's "%x" format, its fields turned into Qt's; any field but day, month and
    // year keeps the Italian order.
    const QString formatoC = QString::fromLocal8Bit(nl_langinfo(D_FMT));
    QString formato;
    for (qsizetype i = 0; i < formatoC.size(); ++i) {
        const QChar c = formatoC.at(i);
        if (c != QLatin1Char('%')) {
            formato += c.isLetter() ? QStringLiteral("'%1'").arg(c) : QString(c);
            continue;
        }
        const QChar campo = ++i < formatoC.size() ? formatoC.at(i) : QChar();
        if (campo == QLatin1Char('d') || campo == QLatin1Char('e'))
            formato += QStringLiteral("dd");
        else if (campo == QLatin1Char('m'))
            formato += QStringLiteral("MM");
        else if (campo == QLatin1Char('Y') || campo == QLatin1Char('y'))
            formato += QStringLiteral("yyyy");
        else
            return QStringLiteral("dd/MM/yyyy");
    }
    return formato;
}

QDateTime adesso(const Orologio &orologio)
{
    constexpr long long millisecondiPerGiorno = 1000LL * secondiPerGiorno;
    const auto millisecondi = std::llround(static_cast<double>(orologio.secondiDallaMezzanotte()) * 1000.0);
    const auto delGiorno = static_cast<int>(std::clamp(millisecondi, 0LL, millisecondiPerGiorno - 1));
    return QDateTime(orologio.oggi(), QTime::fromMSecsSinceStartOfDay(delGiorno));
}
