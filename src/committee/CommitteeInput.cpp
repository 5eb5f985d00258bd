#include "committee/CommitteeInput.h"

#include "seats/InputFingerprint.h"

QByteArray CommitteeInput::fingerprint() const
{
    InputFingerprint f("committee-1");
    f << qint64(parties.size());
    for (const Party& p : parties)
        f << p.code << p.name << qint64(p.councilSeats);
    f << qint64(seats) << qint64(cooperation) << qint64(marks.size());
    for (int pair : marks) // a std::set: always in ascending order
        f << qint64(pair);
    f << heading << report << lots;
    return f.hex();
}
