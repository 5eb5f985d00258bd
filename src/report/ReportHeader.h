#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Who ordered a calculation and when: the first line of every report, on screen and on
// paper, and the footer of every printed page. The one who starts a run hands it to the
// engine (the windows from the organisation setting and the day the program was started,
// valsit-calc from --org or the same setting); the reports never read globals for it.
struct ReportHeader
{
    QString organisation;
    QString orderDate; // as dateText() writes it
    // Under the order line: "PRELIMINÄRT: 5 av 7 valdistrikt räknade" for an election
    // whose votes were imported before the count was complete; empty otherwise.
    QString countNote = QString();
    // Under those: what the result was computed from (sourceText()); empty where the input
    // is no election file.
    QString sourceNote = QString();

    // The one date format of the reports, in the program and in valsit-calc: the Swedish
    // standard form 2026-09-14, whatever the user's locale.
    static QString dateText(const QDate& date);
    static ReportHeader of(const QString& organisation, const QDate& orderDate)
    {
        return {organisation, dateText(orderDate)};
    }

    // "<organisation> har gjort valsitberäkningsbeställningen <date>".
    QString orderLine() const;
    // "Underlag: 49 mandat, första divisor 1.2 och spärr 2 %, valfilen Valsit.mdb, beräknat
    // 2026-09-14 22:10": the seats, the rule, the election file's name and the time.
    static QString sourceText(int seats, const QString& rule, const QString& fileName,
                              const QDateTime& when);
    // The first lines of a report: the order line, then the count and source notes when
    // there are some.
    QStringList lines() const;
};
