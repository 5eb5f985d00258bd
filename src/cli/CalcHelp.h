#pragma once

#include <QString>
#include <QStringList>

// valsit-calc --help, valsit-calc council --help, valsit-calc committee --help and
// --version: what the tool and each command take, in Swedish, on standard output.
class CalcHelp
{
public:
    // The text asked for by `arguments`, or an empty text when they ask for a
    // calculation.
    static QString answer(const QStringList& arguments);
    static QString usage(const QString& command = QString());
};
