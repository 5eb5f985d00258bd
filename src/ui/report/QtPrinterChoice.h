#pragma once

#include "report/PrinterChoice.h"
#include "ui/report/QtPrinterJob.h"

class QWidget;

// The printer choice on the platform's print dialog and a real printer.
class QtPrinterChoice : public PrinterChoice
{
public:
    explicit QtPrinterChoice(QWidget* parent) : m_parent(parent) {}
    bool choosePrinter() override { return m_job.choosePrinter(m_parent); }
    Printer* printer() override { return m_job.printer(); }
    bool discard() override { return m_job.qprinter().abort(); }

private:
    QWidget* m_parent;
    QtPrinterJob m_job;
};
