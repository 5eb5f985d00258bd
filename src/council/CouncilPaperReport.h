#pragma once

class Printer;
class RostBer;

// The council report on paper: input section, district table, tie note and result
// list, laid out on A4 pages.
class CouncilPaperReport
{
public:
    explicit CouncilPaperReport(const RostBer& engine) : m_engine(engine) {}

    void setPrinter(Printer* printer) { m_printer = printer; }
    Printer* printer() const { return m_printer; }

    void SkrivUtIndata();
    void districtHeading();
    void districtLine();
    void tieNote();
    void SkrivUtPresentera();
    void finish();

private:
    const RostBer& m_engine;
    Printer* m_printer = nullptr;
};
