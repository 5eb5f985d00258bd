#pragma once

#include <QStringList>

class QTextStream;

// valsit-calc: parses the command line, runs the calculation and writes the result.
// Returns the exit status: 0 done, 2 bad input (one line on err).
class CalcApp
{
public:
    CalcApp(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}
    int run(const QStringList& arguments);

private:
    QTextStream& m_out;
    QTextStream& m_err;
};
