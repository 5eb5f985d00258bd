#include "committee/CommitteeSetup.h"

#include "committee/ValsitBer.h"

// The cooperation setters correct a negative slot to the highest one.
void CommitteeSetup::setSamvSW(int x, qint16 value)
{
    m_samvSW[m_corrections.letSlot(x, 0, m_maxSamv, m_maxSamv, "SamvSW")] = value;
}

qint16 CommitteeSetup::SamvSW(int x)
{
    return m_samvSW[m_corrections.getSlot(x, m_maxSamv, "SamvSW")];
}

int CommitteeSetup::AntalResultat() const
{
    return ValsitBer::estimate(input(false)).resultat;
}

int CommitteeSetup::AntalSidor() const
{
    return ValsitBer::estimate(input(false)).sidor;
}

CommitteeInput CommitteeSetup::input(bool showLots) const
{
    CommitteeInput in;
    for (int i = 1; i <= m_antPartier; ++i)
        in.parties.append({m_partiID[i], m_partiNamn[i], m_partiValRes[i]});
    in.seats = m_antValsit;
    in.cooperation = m_samvSW[0] == 0   ? CommitteeInput::Cooperation::None
                     : m_samvSW[0] == 2 ? CommitteeInput::Cooperation::AllCombinations
                                        : CommitteeInput::Cooperation::Fixed;
    for (int k = 1; k <= m_maxSamv; ++k)
        if (m_samvSW[k] == 1)
            in.marks.insert(k);
    in.heading = m_rubrik1;
    in.report = reportChoices(showLots);
    return in;
}

QString CommitteeSetup::ruleText() const
{
    if (m_samvSW[0] == 0)
        return QStringLiteral("d'Hondt utan samverkan");
    if (m_samvSW[0] == 2)
        return QStringLiteral("d'Hondt, alla kombinationer av samverkan");
    return QStringLiteral("d'Hondt med fast samverkan");
}
