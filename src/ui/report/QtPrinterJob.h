#pragma once

#include "report/PainterPrinter.h"

#include <QPrinter>

class QWidget;

// A printout on a real printer: the print dialog chooses the printer, and the report
// is drawn through a PainterPrinter on it (A4, the whole sheet addressable, so the
// page's origin is measured from the paper's corner).
class QtPrinterJob
{
public:
    QtPrinterJob();

    // Shows the print dialog (no page range: a report is printed whole). Returns
    // whether the user confirmed; the caller decides what a cancel means.
    bool choosePrinter(QWidget* parent);

    Printer* printer() { return &m_painterPrinter; }
    QPrinter& qprinter() { return m_printer; }
    int pageCount() const { return m_painterPrinter.pageCount(); }

private:
    // Declared first: the painter printer must let go of it before it goes.
    QPrinter m_printer;
    PainterPrinter m_painterPrinter;
};
