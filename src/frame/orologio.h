#pragma once

#include <QDate>
#include <QDateTime>

constexpr int secondiPerGiorno = 86400;

// The clock: seconds since midnight and today's date. The program uses the
// system clock; tests put a clock of their own in its place.
class Orologio
{
public:
    Orologio() = default;
    virtual ~Orologio() = default;
    Orologio(const Orologio &) = delete;
    Orologio &operator=(const Orologio &) = delete;

    /** Seconds since midnight, in single precision as the timer gives them. */
    virtual float secondiDallaMezzanotte() const = 0;
    virtual QDate oggi() const = 0;
};

class OrologioDiSistema final : public Orologio
{
public:
    float secondiDallaMezzanotte() const override;
    QDate oggi() const override;
};

/** Now, by the clock: today at its seconds since midnight, in local time. */
QDateTime adesso(const Orologio &orologio);

/** The date in the system's short date format for the user's LC_TIME, as printed on the
    report and the certificate: 06/12/2026 under it_IT, 12/06/2026 under en_US, 12/06/26 under C. */
QString dataBreve(const QDate &data);

/** The same order of day, month and year as a display format for Qt's date fields: dd/MM/yyyy
    under it_IT, MM/dd/yyyy under en_US and C. The year is always four digits, which a date
    field reads back without guessing the century. */
QString formatoDataBreve();
