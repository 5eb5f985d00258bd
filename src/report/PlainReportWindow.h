#pragma once

#include "report/ReportWindow.h"

// A result window without widgets whose active control is a given rich-text control
// (or none, to check that the engines then write nothing).
class PlainReportWindow : public ReportWindow
{
public:
    explicit PlainReportWindow(RichTextControl* control = nullptr) : m_control(control) {}
    void setActiveControl(RichTextControl* control) { m_control = control; }
    RichTextControl* activeRichText() override { return m_control; }

private:
    RichTextControl* m_control;
};
