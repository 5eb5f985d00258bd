#include "shell/ui/QtMessageService.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString shownText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

MessageService::Answer QtMessageService::msgBox(const QString& text, Buttons buttons, Icon icon,
                                                const QString& title, DefaultButton defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setText(shownText(text));
    box.setWindowTitle(title);
    switch (icon) {
    case NoIcon:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }

    QList<QMessageBox::StandardButton> order;
    switch (buttons) {
    case Ok:
        order = {QMessageBox::Ok};
        break;
    case OkCancel:
        order = {QMessageBox::Ok, QMessageBox::Cancel};
        break;
    case YesNo:
        order = {QMessageBox::Yes, QMessageBox::No};
        break;
    case YesNoCancel:
        order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        break;
    }
    QMessageBox::StandardButtons all;
    for (QMessageBox::StandardButton b : order)
        all |= b;
    box.setStandardButtons(all);
    const int index = qMin(int(defaultButton), int(order.size()) - 1);
    box.setDefaultButton(order[index]);
    // Closing the box from its frame counts as its last button (Cancel or No), or OK.
    box.setEscapeButton(order.last());

    switch (box.exec()) {
    case QMessageBox::Cancel:
        return AnswerCancel;
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    default:
        return AnswerOk;
    }
}

QString QtMessageService::inputBox(const QString& prompt, const QString& title,
                                   const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtMessageService::fileOpen(const QString& title, const QString& directory,
                                   const QStringList& filters)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory,
                                        filters.join(QStringLiteral(";;")));
}
