#include "council/CouncilInput.h"

#include "seats/InputFingerprint.h"

QByteArray CouncilInput::fingerprint() const
{
    InputFingerprint f("council-1");
    f << qint64(parties.size());
    for (const Party& p : parties)
        f << p.code << p.name << qint64(p.votes);
    f << qint64(seats) << qint64(firstDivisorTenths) << qint64(thresholdHundredths) << heading
      << report << showDistricts << qint64(districts.size());
    for (const District& d : districts) {
        f << d.name << qint64(d.votes.size());
        for (qint32 v : d.votes)
            f << qint64(v);
    }
    f << lots << qint64(publishedSeats.size());
    for (auto it = publishedSeats.cbegin(); it != publishedSeats.cend(); ++it)
        f << it.key() << qint64(it.value());
    return f.hex();
}
