#pragma once

#include "cli/CalcOptions.h"
#include "council/ValkretsBer.h"

#include <QJsonObject>

class MessageService;
class QTextStream;

// valsit-calc council --constituencies: the council calculation of a municipality with
// constituencies, from one file of votes per constituency and party.
class ValkretsCalc
{
public:
    ValkretsCalc(const CalcOptions& options, MessageService& messages);

    // Reads and checks the file (header constituency,fixed_seats,code,name,votes; a party
    // missing in a constituency has no votes there). Throws CalcError.
    void load();
    const ValkretsBer::Input& input() const { return m_input; }
    // Loads, calculates and writes the result.
    void run(QTextStream& out);

    static QJsonObject json(const ValkretsResult& result);

private:
    const CalcOptions& m_options;
    MessageService& m_messages;
    ValkretsBer::Input m_input;
};
