#include "ui/editing/QtClipboardAccess.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboardAccess::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboardAccess::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboardAccess::text() const
{
    return QGuiApplication::clipboard()->text();
}
