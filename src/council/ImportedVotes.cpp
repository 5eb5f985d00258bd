#include "council/ImportedVotes.h"

#include "council/CouncilInput.h"
#include "data/ResultFileError.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// A name the party table can hold. A long one loses an explanation in brackets
// ("Liberalerna (tidigare Folkpartiet)"), then a first part before a hyphen
// ("Arbetarepartiet-Socialdemokraterna"); what is still too long is cut.
QString shortName(QString name)
{
    const int bracket = int(name.indexOf(QLatin1String(" (")));
    if (bracket > 0 && name.size() > ImportedVotes::MaxName)
        name.truncate(bracket);
    const int hyphen = int(name.lastIndexOf(QLatin1Char('-')));
    if (hyphen > 0 && name.size() > ImportedVotes::MaxName)
        name.remove(0, hyphen + 1);
    return name.left(ImportedVotes::MaxName).trimmed();
}

// The district's number: the last four digits of its code (the code is the
// municipality's four digits, then the district's), or 9900 + n for a collection district
// whose code holds no number.
int districtNumber(const ResultFile::District& d, int collectionIndex)
{
    bool ok = false;
    const int number = d.code.right(4).toInt(&ok);
    return ok && !d.collection ? number : 9900 + collectionIndex;
}

} // namespace

ImportedVotes ImportedVotes::from(const ResultFile& file)
{
    ImportedVotes v;
    v.seats = file.seats;
    v.countedDistricts = file.countedDistricts;
    v.allDistricts = file.allDistricts;
    // A party without votes takes no line: a file may list every party on the ballot,
    // and only those with votes count against the program's limit.
    QList<ResultFile::Party> parties;
    for (const ResultFile::Party& p : file.parties)
        if (p.votes > 0 || p.seats > 0)
            parties.append(p);
    std::stable_sort(
        parties.begin(), parties.end(),
        [](const ResultFile::Party& a, const ResultFile::Party& b) { return a.votes > b.votes; });
    const int lines = int(parties.size()) + (file.others > 0 ? 1 : 0);
    if (lines > MaxParties)
        throw ResultFileError(QStringLiteral("Filen har %1 partier med röster; programmet räknar "
                                             "med högst %2.")
                                  .arg(lines)
                                  .arg(MaxParties));
    QHash<QString, int> index;
    for (const ResultFile::Party& p : parties) {
        if (p.code.size() > MaxCode ||
            p.code.compare(CouncilInput::OthersCode, Qt::CaseInsensitive) == 0)
            throw ResultFileError(
                QStringLiteral("Partibeteckningen \"%1\" kan inte användas (högst %2 tecken, "
                               "och %3 står för övriga röster).")
                    .arg(p.code)
                    .arg(MaxCode)
                    .arg(CouncilInput::OthersCode));
        index.insert(p.code, int(v.parties.size()));
        v.parties.append({p.code, shortName(p.name), p.votes, p.seats});
    }
    const int othersIndex = int(v.parties.size());
    if (file.others > 0)
        v.parties.append({CouncilInput::OthersCode, QStringLiteral("Övriga giltiga röster"),
                          file.others, file.hasPublishedSeats() ? 0 : -1});

    // Names must tell the districts apart: a name that repeats (every constituency has its
    // "Uppsamlingsdistrikt") gets its constituency's or its code's name added.
    QHash<QString, int> nameCount;
    for (const ResultFile::District& d : file.districts)
        ++nameCount[d.name];
    QHash<QString, QString> constituencyName;
    for (const ResultFile::Constituency& c : file.constituencies) {
        constituencyName.insert(c.code, c.name);
        v.constituencies.append(
            {c.code, c.name.simplified(), c.fixedSeats, c.seats, c.adjustmentSeats});
    }
    int collections = 0;
    for (const ResultFile::District& d : file.districts) {
        District out;
        out.number = districtNumber(d, d.collection ? ++collections : 0);
        out.name = d.name;
        if (nameCount.value(d.name) > 1)
            out.name += QStringLiteral(" (%1)").arg(constituencyName.value(d.constituency, d.code));
        out.constituency = d.constituency;
        out.votes = QVector<qint64>(v.parties.size(), 0);
        for (auto it = d.votes.cbegin(); it != d.votes.cend(); ++it)
            if (index.contains(it.key()))
                out.votes[index.value(it.key())] = it.value();
        if (file.others > 0)
            out.votes[othersIndex] = d.others;
        v.districts.append(out);
    }
    return v;
}
