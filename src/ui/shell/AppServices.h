#pragma once

#include <QString>

#include <functional>
#include <memory>

class Clock;
class MessageService;
class PrinterChoice;
class RandomSource;
class QWidget;
class CommitteeSetup;
class CouncilSetup;

// The services every window is handed: made once in main (tests make their own) and given
// to each window by the creators registered with the window registry. A window reaches
// them through WindowBase::services(); nothing else hands out a service.
struct AppServices
{
    // The screen height and the print dialog default to the platform's own.
    AppServices(MessageService& messages, Clock& clock);
    ~AppServices();
    AppServices(const AppServices&) = delete;
    AppServices& operator=(const AppServices&) = delete;

    MessageService& messages;
    Clock& clock;
    // The height of the primary screen in pixels (0 when there is none).
    std::function<int()> screenHeight;
    // The print dialog of the print windows, opened over `parent`.
    std::function<std::unique_ptr<PrinterChoice>(QWidget* parent)> printerChoice;

    // The random source of the lots the program draws; the system's own when none is set.
    RandomSource* random = nullptr;

    // The council and committee setups (what the windows have gathered for the next
    // calculation), made afresh at every load of the main window (renewSetups()); null
    // before the first. Their corrections are shown as message boxes (OK, no icon).
    std::unique_ptr<CouncilSetup> council;
    std::unique_ptr<CommitteeSetup> committee;
    void renewSetups();

    // The fingerprint of the input of the council report last made (CouncilFingerprint),
    // so that storing its seats can tell when the file has changed since; empty before
    // the first report after the setups were made.
    QString councilReportInput;
};
