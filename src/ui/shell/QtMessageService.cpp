#include "ui/shell/QtMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
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
    case SaveUndoCancel:
        order = {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel};
        break;
    }
    QMessageBox::StandardButtons all;
    for (QMessageBox::StandardButton b : order)
        all |= b;
    box.setStandardButtons(all);
    // The users are Swedish whatever translations the machine has.
    const auto swedish = [&box](QMessageBox::StandardButton which, const QString& caption) {
        if (QAbstractButton* b = box.button(which))
            b->setText(caption);
    };
    swedish(QMessageBox::Ok, QStringLiteral("OK"));
    swedish(QMessageBox::Cancel, QStringLiteral("Avbryt"));
    swedish(QMessageBox::Yes, QStringLiteral("&Ja"));
    swedish(QMessageBox::No, QStringLiteral("&Nej"));
    swedish(QMessageBox::Save, QStringLiteral("&Spara"));
    swedish(QMessageBox::Discard, QStringLiteral("Å&ngra"));
    const int index = qMin(int(defaultButton), int(order.size()) - 1);
    box.setDefaultButton(order[index]);
    // Closing the box from its frame counts as its last button (Cancel or No), or OK.
    box.setEscapeButton(order.last());

    switch (box.exec()) {
    case QMessageBox::Cancel:
        return AnswerCancel;
    case QMessageBox::Yes:
    case QMessageBox::Save:
        return AnswerYes;
    case QMessageBox::No:
    case QMessageBox::Discard:
        return AnswerNo;
    default:
        return AnswerOk;
    }
}

QString QtMessageService::inputBox(const QString& prompt, const QString& title,
                                   const QString& defaultText, bool* accepted)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Avbryt"));
    const bool ok = box.exec() == QDialog::Accepted;
    if (accepted)
        *accepted = ok;
    return ok ? box.textValue() : QString();
}

QString QtMessageService::fileOpen(const QString& title, const QString& directory,
                                   const QStringList& filters)
{
    QFileDialog box(QApplication::activeWindow(), title, directory,
                    filters.join(QStringLiteral(";;")));
    box.setFileMode(QFileDialog::ExistingFile);
    box.setAcceptMode(QFileDialog::AcceptOpen);
    // The starting path may name a file: it is then the proposed choice.
    const QFileInfo start(directory);
    if (start.isFile()) {
        box.setDirectory(start.absolutePath());
        box.selectFile(start.fileName());
    }
    box.setLabelText(QFileDialog::LookIn, QStringLiteral("Sök i:"));
    box.setLabelText(QFileDialog::FileName, QStringLiteral("Filnamn:"));
    box.setLabelText(QFileDialog::FileType, QStringLiteral("Filformat:"));
    box.setLabelText(QFileDialog::Accept, QStringLiteral("Öppna"));
    box.setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return QString();
    return box.selectedFiles().first();
}

QString QtMessageService::fileSave(const QString& title, const QString& directory,
                                   const QStringList& filters)
{
    QFileDialog box(QApplication::activeWindow(), title, directory,
                    filters.join(QStringLiteral(";;")));
    box.setFileMode(QFileDialog::AnyFile);
    box.setAcceptMode(QFileDialog::AcceptSave);
    // The starting path may name a file: it is then the proposed name.
    const QFileInfo start(directory);
    if (!start.isDir()) {
        box.setDirectory(start.absolutePath());
        box.selectFile(start.fileName());
    }
    box.setLabelText(QFileDialog::LookIn, QStringLiteral("Spara i:"));
    box.setLabelText(QFileDialog::FileName, QStringLiteral("Filnamn:"));
    box.setLabelText(QFileDialog::FileType, QStringLiteral("Filformat:"));
    box.setLabelText(QFileDialog::Accept, QStringLiteral("Spara"));
    box.setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return QString();
    return box.selectedFiles().first();
}
