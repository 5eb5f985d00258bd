#pragma once

#include "report/ReportHeader.h"

#include <QString>

class xxPrt;

// The frame of every printed page, the same for both engines: setting up a printout
// (SkrivarInit), starting a page with its footer (SidStart), the footer itself (SidFot)
// and page breaks (NySida). The footer carries the organisation's name and the order
// date of the report header it was given, and the page number.
class PageFrame
{
public:
    explicit PageFrame(xxPrt& prt) : m_prt(prt) {}

    void SkrivarInit();
    void SidStart();
    void NySida();
    void SidFot();

    // Begins a new page when a line of the given height, printed at the current
    // position, would pass the bottom limit; the font in use is set again on the new
    // page. Returns whether it broke the page.
    bool breakBefore(double height);
    // The same for one line of the current font.
    bool breakBeforeLine();

    void setHeader(const ReportHeader& header) { m_header = header; }
    const ReportHeader& header() const { return m_header; }

private:
    xxPrt& m_prt;
    ReportHeader m_header;
};
