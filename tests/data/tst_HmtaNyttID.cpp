#include "FakeMessageService.h"
#include "Rows.h"
#include "data/HmtaNyttID.h"

#include <QtTest>

namespace {
const QString wrongChars = "Nuvarande ID har felaktiga tecken. Godkända tecken är: ";
struct Case
{
    const char* name;
    const char* highest;
    int length;
    const char* kind;
    const char* next;
    QString message;
};
const Case cases[] = {
    {"A plain", "001", 3, "A", "002", ""},
    {"A 9 to A", "009", 3, "A", "00A", ""},
    {"A Y to Z, the last character", "00Y", 3, "A", "00Z", ""},
    {"A skips I", "00H", 3, "A", "00J", ""},
    {"A skips U", "00T", 3, "A", "00V", ""},
    {"A 0ZZ carries twice", "0ZZ", 3, "A", "100", ""},
    {"A ZZZ grows", "ZZZ", 3, "A", "0000", ""},
    {"A padded", "7", 3, "A", "008", ""},
    {"A empty table", " ", 3, "A", "001", ""},
    {"N 099", "099", 3, "N", "100", ""},
    {"N 999 grows", "999", 3, "N", "0000", ""},
    {"N letter refused", "0A1", 3, "N", "102", wrongChars + "0123456789 Nuvarande ID är: 0A1"},
    {"A lower case refused", "00a", 3, "A", "000",
     wrongChars + "0123456789ABCDEFGHJKLMNOPQRSTVWXYZ Nuvarande ID är: 00a"},
    {"unknown kind uses A", "00Z", 3, "E", "010",
     "Parameter 3 till HmtaNyttID skall vara 'A' eller 'N' är:E"},
    {"length above 10", "5", 12, "N", "0000000006",
     "Parameter 2 till HmtaNyttID får inte vara större än '10' är:12"},
    {"ten places carry out", "9999999999", 10, "N", "0000000000",
     "Längden av ID får inte vara större än '10' är:11"},
    {"longer id counts its first places", "1234", 2, "N", "13", ""},
};
} // namespace

// The next free id of a table: numeric or from the alphabet without I and U, carried and
// grown past the highest so far.
class tst_HmtaNyttID : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nextId_data() { addRows(cases); }
    void nextId()
    {
        const Case& c = row(cases);
        FakeMessageService service;
        QCOMPARE(HmtaNyttID(service, c.highest, c.length, c.kind), QString(c.next));
        QCOMPARE(service.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        for (const FakeMessageService::Shown& s : service.shown)
            QCOMPARE(s.icon, MessageService::NoIcon);
    }
};

QTEST_GUILESS_MAIN(tst_HmtaNyttID)
#include "tst_HmtaNyttID.moc"
