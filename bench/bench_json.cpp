// valsit-calc committee --all at 350 seats (nine parties, all 36 pairs, 21147
// combinations): the text report against the JSON, side by side in one run, each written
// to a file in a temporary folder. Prints wall time and bytes of each, and the ratio.
//   bench_json [--comparison none|2|full]   (default: JSON's default, every number)

#include "cli/CalcApp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

struct Run
{
    qint64 ms = 0;
    qint64 bytes = 0;
};

Run runOnce(const QString& partyFile, const QStringList& extra, const QString& outFile)
{
    QFile file(outFile);
    file.open(QIODevice::WriteOnly);
    QTextStream out(&file);
    QString errText;
    QTextStream err(&errText);
    QStringList args{QStringLiteral("committee"), QStringLiteral("--seats"), QStringLiteral("350"),
                     QStringLiteral("--all")};
    QStringList pairs;
    for (int k = 1; k <= 36; ++k)
        pairs << QString::number(k);
    args << pairs.join(QLatin1Char(',')) << extra << partyFile;
    QElapsedTimer timer;
    timer.start();
    const int status = CalcApp(out, err).run(args);
    out.flush();
    file.close();
    Run r{timer.elapsed(), QFile(outFile).size()};
    if (status != 0)
        QTextStream(stderr) << "valsit-calc: " << errText << Qt::endl;
    return r;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString parties = dir.filePath(QStringLiteral("parties.csv"));
    {
        QFile f(parties);
        f.open(QIODevice::WriteOnly);
        QTextStream csv(&f);
        csv << "code,name,council_seats\n";
        const int seats[] = {15, 10, 7, 3, 3, 2, 1, 1, 7};
        for (int i = 0; i < 9; ++i)
            csv << "P" << i + 1 << ",Parti nummer " << i + 1 << ',' << seats[i] << '\n';
    }
    QStringList comparison;
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--comparison")));
    if (at > 0 && at + 1 < args.size())
        comparison << QStringLiteral("--comparison") << args.at(at + 1);
    QTextStream out(stdout);
    const Run text = runOnce(parties, comparison, dir.filePath(QStringLiteral("out.txt")));
    const Run json = runOnce(
        parties, comparison + QStringList{QStringLiteral("--format"), QStringLiteral("json")},
        dir.filePath(QStringLiteral("out.json")));
    out << "comparison " << (comparison.isEmpty() ? QStringLiteral("(default)") : comparison.last())
        << ": text " << text.ms << " ms, " << text.bytes << " bytes; json " << json.ms << " ms, "
        << json.bytes << " bytes; json/text "
        << QString::number(double(json.ms) / qMax<qint64>(1, text.ms), 'f', 2) << Qt::endl;
    return 0;
}
