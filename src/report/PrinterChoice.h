#pragma once

class Printer;

// A printout's printer as the print window gets it: the user chooses a printer (or
// cancels), and the report is then drawn on printer().
class PrinterChoice
{
public:
    virtual ~PrinterChoice() = default;
    // Shows the print dialog; false when the user cancelled it.
    virtual bool choosePrinter() = 0;
    virtual Printer* printer() = 0;
    // Throws away a printout that failed half-way, so that no partial job reaches the
    // printer. False when the platform could not take back what it had already spooled.
    virtual bool discard() = 0;
};
