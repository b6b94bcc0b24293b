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

// Today's date in the short form printed on the report and the certificate.
QString dataBreve(const QDate &data);
