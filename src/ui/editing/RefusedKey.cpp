#include "ui/editing/RefusedKey.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>

namespace RefusedKey {

void tell(QWidget* field, const QString& why)
{
    QApplication::beep();
    if (auto* window = field ? qobject_cast<QMainWindow*>(field->window()) : nullptr)
        window->statusBar()->showMessage(why, 5000);
}

QString reason(QChar refused, bool digitsOnly)
{
    const QString shown = refused == QLatin1Char(' ') ? QStringLiteral("mellanslag")
                                                      : QStringLiteral("'%1'").arg(refused);
    return digitsOnly ? QStringLiteral("Fältet tar bara siffror 0-9: %1 skrevs inte.").arg(shown)
                      : QStringLiteral("Fältet tar inte %1.").arg(shown);
}

} // namespace RefusedKey
