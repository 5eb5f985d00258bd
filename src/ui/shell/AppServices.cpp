#include "ui/shell/AppServices.h"

#include "committee/ValsitBer.h"
#include "council/RostBer.h"
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

// The engines refer to the message service, so they go before it does.
AppServices::~AppServices() = default;

void AppServices::renewEngines()
{
    committee = std::make_unique<ValsitBer>(messages);
    council = std::make_unique<RostBer>(messages);
    councilReportInput.clear();
}
