#pragma once

#include "seats/ReportChoices.h"
#include "seats/SeatLot.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QString>
#include <QVector>
#include <QtGlobal>

// The SHA-256 of a calculation's input written in one fixed form: every field in a fixed
// order, with a fixed stream version, so the same input gives the same hex string on
// every machine and in every version that keeps this form. A stored result carries it to
// tell whether the input it came from is still the one in the file.
class InputFingerprint
{
public:
    explicit InputFingerprint(const char* kind);

    InputFingerprint& operator<<(const QString& text);
    InputFingerprint& operator<<(qint64 number);
    InputFingerprint& operator<<(bool on);
    InputFingerprint& operator<<(const ReportChoices& choices);
    // Every field of a lot that the user gave or drew; not what became of it in a run.
    InputFingerprint& operator<<(const QVector<SeatLot>& lots);

    // The hex string of the hash over everything written so far.
    QByteArray hex() const;

private:
    QByteArray m_bytes;
    QDataStream m_out;
};
