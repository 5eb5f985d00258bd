#pragma once

#include <QString>

// Where the program keeps its working template "Valsit.mdb", the folder the settings
// mean by "0" and the folder where new databases are made.
//
// Run from its build folder the program works beside itself, as it always has. Installed
// (the executable in bin/, its files in share/valsit/) or in a folder it may not write,
// it works in the user's own folder instead: the template is copied there once, on the
// first start, so each user of the machine keeps an election of his own and the shipped
// template is never written to.
class ProgramFolder
{
public:
    // The election file the program ships and starts with.
    static QString templateName() { return QStringLiteral("Valsit.mdb"); }
    struct Folders
    {
        // Holds the working template: the program's folder as the settings mean it.
        QString working;
        // Holds what ships with the program and is only read (the product document).
        QString shipped;
        // Non-empty when the user's folder could not be made: the reason, in Swedish.
        QString problem;
    };

    // `programDir` is the executable's folder, `userDir` the user's own folder for
    // election files. Copies the template into `userDir` when it is needed and missing.
    static Folders resolve(const QString& programDir, const QString& userDir);

    // The user's folder for election files: "Valsit" under the documents folder.
    static QString defaultUserDir();

    // The template as shipped, never written: share/valsit/Valsit.mdb of an installed
    // program, else the build's data/Valsit.mdb. New election databases are copies of it.
    static QString pristineTemplate(const QString& programDir);

    // The shipped files of an installed program, relative to its executable's folder.
    static QString installedShareDir(const QString& programDir);
};
