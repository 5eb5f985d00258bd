#include "ui/shell/AppServices.h"

#include "committee/CommitteeSetup.h"
#include "council/CouncilSetup.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"
#include "ui/report/QtPrinterChoice.h"

#include <QGuiApplication>
#include <QScreen>

AppServices::AppServices(MessageService& messageService, Clock& systemClock)
    : messages(messageService), clock(systemClock), screenHeight([] {
          const QScreen* screen = QGuiApplication::primaryScreen();
          return screen ? screen->size().height() : 0;
      }),
      printerChoice([](QWidget* parent) -> std::unique_ptr<PrinterChoice> {
          return std::make_unique<QtPrinterChoice>(parent);
      })
{
}

// The setups' correction listeners refer to the message service, so they go before it does.
AppServices::~AppServices() = default;

void AppServices::renewSetups()
{
    const auto show = [this](const QString& text) {
        messages.msgBox(text, MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
    };
    committee = std::make_unique<CommitteeSetup>();
    committee->corrections().setListener(show);
    council = std::make_unique<CouncilSetup>();
    council->corrections().setListener(show);
    councilReportInput.clear();
}
