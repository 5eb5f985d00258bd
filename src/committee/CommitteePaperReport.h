#pragma once

class Printer;
class ValsitBer;

// The committee report on paper: the input section once per run and one result block
// per combination, laid out on A4 pages.
class CommitteePaperReport
{
public:
    explicit CommitteePaperReport(ValsitBer& engine) : m_engine(engine) {}

    void setPrinter(Printer* printer) { m_printer = printer; }
    Printer* printer() const { return m_printer; }

    void SkrivUtIndata();
    void SkrivUtPresentera();
    void finish();

private:
    ValsitBer& m_engine;
    Printer* m_printer = nullptr;
};
