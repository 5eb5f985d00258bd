#include "council/CouncilRules.h"

#include "council/CouncilSetup.h"
#include "data/ElectionSettings.h"

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

CouncilRules CouncilRules::of(const ElectionSettings& settings, bool valkretsar)
{
    switch (settings.rules) {
    case ElectionSettings::Rules::Today:
        return of(Today, valkretsar);
    case ElectionSettings::Rules::Older:
        return of(Older);
    case ElectionSettings::Rules::Own:
        break;
    }
    CouncilRules rules;
    rules.forstaDivisor = std::lround(settings.firstDivisor * 10) == 14 ? 1.4 : 1.2;
    rules.sparr = settings.threshold;
    return rules;
}

void CouncilRules::storeIn(ElectionSettings& settings, bool valkretsar) const
{
    switch (named(valkretsar)) {
    case Today:
        settings.rules = ElectionSettings::Rules::Today;
        break;
    case Older:
        settings.rules = ElectionSettings::Rules::Older;
        break;
    case Own:
        settings.rules = ElectionSettings::Rules::Own;
        break;
    }
    settings.firstDivisor = forstaDivisor;
    settings.threshold = sparr;
}

void CouncilRules::applyTo(CouncilSetup& engine) const
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
