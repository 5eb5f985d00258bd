#pragma once

#include "council/CouncilPaperReport.h"
#include "seats/SeatEngineBase.h"

#include <QMap>
#include <QString>
#include <QtGlobal>

class MessageService;
class Printer;
class ReportWindow;

// The engine of the preliminary council calculation: shares the council seats among the
// parties by the modified odd-number method (first divisor 1.4, then 3, 5, 7, ...), marks
// every seat won on a comparison number equal to another party's (lots must be drawn)
// and writes the calculation to the screen or the printer.
//
// Properties never refuse a value: an out-of-range count or slot is corrected after a
// message. A slot that no check corrects and that lies outside the tables throws
// std::out_of_range, leaving the engine unchanged.
class RostBer : public SeatEngineBase
{
public:
    explicit RostBer(MessageService& messages);

    int MaxPartierF() const { return m_maxPartier; }

    void setRoster(int x, qint32 value);
    qint32 Roster(int x) const;
    void setDistrikt(const QString& value) { m_distrikt = value; }
    void setDRoster(int x, qint32 value);

    bool VisaDistriktSW() const { return m_visaDistriktSW; }
    void setVisaDistriktSW(bool on) { m_visaDistriktSW = on; }

    // Current Swedish rules beyond the classic method: the first divisor (1.4 or 1.2)
    // and a threshold in percent of all votes entered (0 = none).
    double ForstaDivisor() const { return m_firstDivisorTenths / 10.0; }
    void setForstaDivisor(double value);
    double Sparr() const { return m_thresholdHundredths / 100.0; }
    void setSparr(double percent);

    void BearbBest();
    void BearbBest1();
    void BearbBest2();
    // The allocation alone, into result(), with no report: for a run that shares seats
    // several times over (the constituencies).
    void Fordela();
    void SkrivUtPresentera();
    void VisaIndata();
    void SkrivUtIndata();

    // The printer used when SkrivUtSW is on.
    void setPrinter(Printer* printer) { m_paper.setPrinter(printer); }

    // Read-outs of the last calculation, for the reports and the tools (the same as
    // result()).
    const QString& Distrikt() const { return m_distrikt; }
    qint32 DRoster(int x) const;
    int workCount() const { return m_result.listCount; }
    const QString& workName(int i) const { return m_result.lists[i].name; }
    qint32 workVotes(int i) const { return qint32(m_result.lists[i].value); }
    bool workEligible(int i) const { return m_result.lists[i].eligible; }
    int seatCount(int row) const { return m_result.lists[row].seatCount; }
    int seatNumber(int row, int k) const { return m_result.lists[row].seat[k]; }
    bool seatTied(int row, int k) const { return m_result.lists[row].tied[k]; }
    // The comparison number that won seat s (1..AntValsit), and its party row.
    double winningNumber(int s) const { return m_result.winningNumber[s]; }
    int winningRow(int s) const { return m_result.winningList[s]; }
    int calcCounter() const { return m_result.counter; }
    // The line naming the rule used, for the report's input section.
    QString rulesText() const;

    // The party code of the line of valid votes that belong to no party (written by hand,
    // or parties a preliminary count does not report one by one): it counts among all
    // votes, so in the threshold, but takes no seat.
    static inline const QString OthersCode = QStringLiteral("ÖVR");
    static bool isOthersLine(const QString& code);

    // The seats Valmyndigheten published, by party code: the report sets them beside the
    // calculated ones (PublishedSeats::comparison). Empty: no comparison.
    void setPublishedSeats(const QMap<QString, int>& seats) { m_published = seats; }

private:
    QMap<QString, int> m_published;
    void HamtaArbetslista();
    void BeraknaOchVisa();
    void FordelaPlatser();
    void VisaResultat();
    void writeDistrictHeading();
    void writeDistrictLine();
    void writeTieNote();
    void setResultRule();

    CouncilPaperReport m_paper;

    qint32 m_roster[Slots] = {};
    qint32 m_dRoster[Slots] = {};
    QString m_distrikt;
    bool m_visaDistriktSW = false;
    int m_firstDivisorTenths = 14;
    int m_thresholdHundredths = 0;
};
