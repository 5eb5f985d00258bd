#include "council/CouncilRules.h"

#include "council/RostBer.h"
#include "shell/SettingsStore.h"

#include <QRegularExpression>

#include <cmath>

QString CouncilRules::namedText(Named named, bool valkretsar)
{
    switch (named) {
    case Today:
        return valkretsar ? QStringLiteral("Gällande regler (från 2018): 1,2 och spärr 3 %")
                          : QStringLiteral("Gällande regler (från 2018): 1,2 och spärr 2 %");
    case Older:
        return QStringLiteral("Äldre regler (före 2018): 1,4 utan spärr");
    case Own:
        break;
    }
    return QStringLiteral("Egna värden");
}

CouncilRules CouncilRules::of(Named named, bool valkretsar)
{
    CouncilRules rules;
    if (valkretsar)
        rules.sparr = 3.0;
    if (named == Older) {
        rules.forstaDivisor = 1.4;
        rules.sparr = 0.0;
    }
    return rules;
}

CouncilRules CouncilRules::ofElection(const QDate& day, bool valkretsar)
{
    // The 2018 elections were the first under prop. 2013/14:48.
    return of(day.year() < 2018 ? Older : Today, valkretsar);
}

CouncilRules::Named CouncilRules::named(bool valkretsar) const
{
    const auto same = [this](const CouncilRules& other) {
        return std::lround(forstaDivisor * 10) == std::lround(other.forstaDivisor * 10) &&
               std::lround(sparr * 100) == std::lround(other.sparr * 100);
    };
    if (same(of(Today, valkretsar)))
        return Today;
    if (same(of(Older)))
        return Older;
    return Own;
}

CouncilRules CouncilRules::load(const SettingsStore& settings, bool valkretsar)
{
    CouncilRules rules;
    const QString divisor = settings.value(divisorKey());
    if (divisor == QLatin1String("1.4") || divisor == QLatin1String("1,4"))
        rules.forstaDivisor = 1.4;
    double percent = 0;
    if (parseSparr(settings.value(thresholdKey()), &percent))
        rules.sparr = percent;
    // Settings written before the choice was kept: either form of today's rules is today's.
    const QString today = settings.value(todayKey());
    const bool isToday = today.isEmpty() ? rules.named(false) == Today || rules.named(true) == Today
                                         : today == QLatin1String("1");
    return isToday ? of(Today, valkretsar) : rules;
}

void CouncilRules::save(SettingsStore& settings, bool valkretsar) const
{
    settings.setValue(todayKey(),
                      named(valkretsar) == Today ? QStringLiteral("1") : QStringLiteral("0"));
    settings.setValue(divisorKey(), std::lround(forstaDivisor * 10) == 12 ? QStringLiteral("1.2")
                                                                          : QStringLiteral("1.4"));
    settings.setValue(thresholdKey(), QString::number(sparr, 'g', 6));
}

void CouncilRules::applyTo(RostBer& engine) const
{
    engine.setForstaDivisor(forstaDivisor);
    engine.setSparr(sparr);
}

bool CouncilRules::parseSparr(const QString& text, double* percent)
{
    static const QRegularExpression form(QStringLiteral("^\\d{1,3}([.,]\\d{1,2})?$"));
    const QString t = text.trimmed();
    if (!form.match(t).hasMatch())
        return false;
    bool ok = false;
    const double value = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || value < 0 || value > 100)
        return false;
    *percent = value;
    return true;
}

QString CouncilRules::sparrText(double percent)
{
    return QString::number(percent, 'g', 6).replace(QLatin1Char('.'), QLatin1Char(','));
}
