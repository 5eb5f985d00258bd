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
};
