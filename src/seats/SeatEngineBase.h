#pragma once

#include "report/ReportHeader.h"
#include "report/ScreenReport.h"
#include "seats/PropertyCorrections.h"
#include "seats/SeatResult.h"
#include "seats/TieBook.h"

#include <QString>
#include <QtGlobal>

class MessageService;
class ReportWindow;

// What the council and the committee engines have in common: the party table with its
// corrected properties, the report switches, and the pieces of the screen report both
// write the same way (heading, comparison-number list, seat lines, counter line).
class SeatEngineBase
{
public:
    static constexpr int Slots = SeatResult::MaxParties + 1; // party slots 0..17
    static constexpr int MaxSeats = SeatResult::MaxSeats;    // seat columns 1..350

    void setFormName(ReportWindow* window) { m_screen.setFormName(window); }

    int AntValsit() const { return m_antValsit; }
    void setAntValsit(int value);
    int MaxValsit() const { return m_maxValsit; }
    int MinValsit() const { return m_minValsit; }

    int AntPartier() const { return m_antPartier; }
    void setAntPartier(int value);
    int MinPartier() const { return m_minPartier; }

    void setPartiID(int x, const QString& value);
    QString PartiID(int x);
    void setPartiNamn(int x, const QString& value);
    QString PartiNamn(int x);
    void setPartiValRes(int x, qint32 value);
    qint32 PartiValRes(int x);
    void setRubrik1(const QString& value) { m_rubrik1 = value; }
    // Who ordered the calculation and when, for the first line of the report and the
    // footers of its pages; given by whoever starts the run.
    void setReportHeader(const ReportHeader& header) { m_header = header; }
    const ReportHeader& reportHeader() const { return m_header; }

    bool BerTalSW() const { return m_berTalSW; }
    void setBerTalSW(bool on) { m_berTalSW = on; }
    qint16 BerTalAntDec() const { return m_berTalAntDec; }
    void setBerTalAntDec(qint16 value) { m_berTalAntDec = value; }
    bool SkrivUtSW() const { return m_skrivUtSW; }
    void setSkrivUtSW(bool on) { m_skrivUtSW = on; }

    // Lots to apply from the next calculation on (none: tied seats go in slot order).
    void setLots(const QVector<SeatLot>& lots) { m_lots = lots; }
    const QVector<SeatLot>& lots() const { return m_lots; }
    // Whether the report lists the ties and lots under the result (off: as always).
    bool VisaLottSW() const { return m_visaLottSW; }
    void setVisaLottSW(bool on) { m_visaLottSW = on; }

    // The last calculation, as the reports and the tools read it.
    const SeatResult& result() const { return m_result; }

    // Read-outs for the reports and the tools.
    const QString& Rubrik1() const { return m_rubrik1; }
    QString partiIdAt(int x) const { return m_partiID[x]; }
    QString partiNamnAt(int x) const { return m_partiNamn[x]; }
    const QString& comparisonList() const { return m_result.comparisonText; }

protected:
    explicit SeatEngineBase(MessageService& messages);
    ~SeatEngineBase() = default;

    void message(const QString& text) { m_corrections.message(text); }

    // The result's run data: heading, seats to share and the parties with the given
    // values (votes or council seats), each standing as the list of its own slot.
    void startResult(const qint32* values);

    // The comparison-number list when BerTalSW asks for it (else none):
    // "ValsitNr=(Jämförelsetal)", then ", s=(number)" per seat, with two decimals or in
    // full as BerTalAntDec says.
    void startComparisonList();
    void appendComparison(int seat, double value, QChar decimalPoint);

    // Header line, "för" and the heading when there is one, then a blank line.
    void writeReportHeading();
    // A list's line: name, count and seat numbers ("*" when tied), ten to a line, further
    // lines starting with three TABs.
    void writeSeatLines(const SeatResult::List& list);
    // The result block: a blank line in the given size, the comparison-number list when
    // asked for, every list's lines and the counter line.
    void writeResult(int blankLineSize);
    // Before the first seat of an allocation: the tie groups emptied, the lots taken or not.
    void startTies(int seatsToGive, bool takeLots);
    // The lines of the ties and lots, when they are asked for and there are any.
    void writeTieLines();
    // The counter directly followed by 87 dashes.
    void writeCounterLine(int counter);

    PropertyCorrections m_corrections;
    ScreenReport m_screen;

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
    ReportHeader m_header;
    bool m_berTalSW = false;
    qint16 m_berTalAntDec = 1;
    bool m_skrivUtSW = false;

    SeatResult m_result;
    TieBook m_ties;
    QVector<SeatLot> m_lots;
    bool m_visaLottSW = false;
    QString m_line;
};
