#include "council/CouncilRules.h"

#include "council/RostBer.h"
#include "shell/SettingsStore.h"

#include <QRegularExpression>

#include <cmath>

CouncilRules CouncilRules::load(const SettingsStore& settings)
{
    CouncilRules rules;
    const QString divisor = settings.value(divisorKey());
    if (divisor == QLatin1String("1.2") || divisor == QLatin1String("1,2"))
        rules.forstaDivisor = 1.2;
    double percent = 0;
    if (parseSparr(settings.value(thresholdKey()), &percent))
        rules.sparr = percent;
    return rules;
}

void CouncilRules::save(SettingsStore& settings) const
{
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
