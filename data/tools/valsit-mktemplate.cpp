// Build step: makes the template election database from the schema file.
//   valsit-mktemplate SCHEMA.sql OUTPUT.mdb
// An existing OUTPUT is replaced; the copy next to the program is handled by the build.
#include "data/ElectionDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: valsit-mktemplate SCHEMA.sql OUTPUT.mdb\n";
        return 2;
    }
    QFile schema(args[1]);
    if (!schema.open(QIODevice::ReadOnly)) {
        err << "cannot read " << args[1] << "\n";
        return 1;
    }
    const QString sql = QString::fromUtf8(schema.readAll());
    QFile::remove(args[2]);
    const QString failure = ElectionDatabase::createFromSchema(args[2], sql);
    if (!failure.isEmpty()) {
        err << failure << "\n";
        return 1;
    }
    return 0;
}
