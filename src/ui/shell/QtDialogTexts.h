#pragma once

#include <QTranslator>

// The texts of Qt's own dialogs (print, printer properties, file dialogs, the standard
// buttons of every dialog box) that Debian's Swedish Qt catalogue leaves in English, in
// Swedish. Asked before that catalogue, it answers only for the texts it knows.
class QtDialogTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};
