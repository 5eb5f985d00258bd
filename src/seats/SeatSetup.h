#pragma once

#include "seats/PropertyCorrections.h"
#include "seats/ReportChoices.h"
#include "seats/SeatLot.h"
#include "seats/SeatResult.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// What the user has chosen for a calculation, as the windows gather it over several
// steps (parties, seats, heading, report switches), shared by the council's and the
// committee's setups. Properties never refuse a value: an out-of-range count or slot is
// corrected and the correction goes to the listener of corrections(). A slot that no
// check corrects and that lies outside the tables throws std::out_of_range. The setup
// computes nothing: its input() is the value the engine takes.
class SeatSetup
{
public:
    static constexpr int Slots = SeatResult::MaxParties + 1; // party slots 0..17
    static constexpr int MaxSeats = SeatResult::MaxSeats;    // seat columns 1..350

    PropertyCorrections& corrections() { return m_corrections; }

    int AntValsit() const { return m_antValsit; }
    void setAntValsit(int value);
    int MaxValsit() const { return m_maxValsit; }
    int MinValsit() const { return m_minValsit; }

    int AntPartier() const { return m_antPartier; }
    void setAntPartier(int value);
    int MinPartier() const { return m_minPartier; }
    int MaxPartier() const { return m_maxPartier; }

    void setPartiID(int x, const QString& value);
    QString PartiID(int x);
    void setPartiNamn(int x, const QString& value);
    QString PartiNamn(int x);
    void setPartiValRes(int x, qint32 value);
    qint32 PartiValRes(int x);
    void setRubrik1(const QString& value) { m_rubrik1 = value; }
    const QString& Rubrik1() const { return m_rubrik1; }

    bool BerTalSW() const { return m_berTalSW; }
    void setBerTalSW(bool on) { m_berTalSW = on; }
    qint16 BerTalAntDec() const { return m_berTalAntDec; }
    void setBerTalAntDec(qint16 value) { m_berTalAntDec = value; }
    // The report goes to paper (else to the result window).
    bool SkrivUtSW() const { return m_skrivUtSW; }
    void setSkrivUtSW(bool on) { m_skrivUtSW = on; }

    // Read-outs without corrections.
    QString partiIdAt(int x) const { return m_partiID[x]; }
    QString partiNamnAt(int x) const { return m_partiNamn[x]; }

protected:
    SeatSetup() = default;
    ~SeatSetup() = default;

    // The report choices of the switches (the lot lines as given: a run reads the lots).
    ReportChoices reportChoices(bool showLots) const;

    PropertyCorrections m_corrections;
    int m_maxValsit = MaxSeats;
    int m_minValsit = 5;
    int m_maxPartier = 16;
    int m_minPartier = 2;

    QString m_partiID[Slots];
    QString m_partiNamn[Slots];
    qint32 m_partiValRes[Slots] = {};
    int m_antValsit = 0;
    int m_antPartier = 0;
    QString m_rubrik1;
    bool m_berTalSW = false;
    qint16 m_berTalAntDec = 1;
    bool m_skrivUtSW = false;
};
