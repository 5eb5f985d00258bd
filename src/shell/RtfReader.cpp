#include "shell/RtfReader.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

// Windows-1252 at 0x80..0x9F; the rest of the upper half is Latin-1.
QChar fromCp1252(unsigned char c)
{
    static const char16_t high[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    return c >= 0x80 && c < 0xA0 ? QChar(high[c - 0x80]) : QChar(c);
}

struct State
{
    bool skip = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int ucSkip = 1;
    Qt::Alignment align = Qt::AlignLeft;
};

class Parser
{
public:
    Parser(const QByteArray& data, QTextCursor& cursor) : m_data(data), m_cursor(cursor) {}

    void run()
    {
        m_states.push_back(State());
        while (m_pos < m_data.size()) {
            const char c = m_data[m_pos++];
            if (c == '{') {
                m_states.push_back(m_states.back());
                m_groupStart = true;
            } else if (c == '}') {
                if (m_states.size() > 1)
                    m_states.pop_back();
                m_groupStart = false;
            } else if (c == '\\') {
                control();
            } else if (c != '\r' && c != '\n') {
                m_groupStart = false;
                text(fromCp1252(static_cast<unsigned char>(c)));
            }
        }
    }

private:
    State& state() { return m_states.back(); }

    void text(QChar ch)
    {
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        if (state().skip)
            return;
        QTextCharFormat format;
        format.setFontWeight(state().bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state().italic);
        format.setFontUnderline(state().underline);
        format.setFontPointSize(state().halfPoints / 2.0);
        QTextBlockFormat block = m_cursor.blockFormat();
        if (block.alignment() != state().align) {
            block.setAlignment(state().align);
            m_cursor.setBlockFormat(block);
        }
        m_cursor.insertText(QString(ch), format);
    }

    void control()
    {
        if (m_pos >= m_data.size())
            return;
        const char c = m_data[m_pos];
        if (!isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            symbol(c);
            return;
        }
        QByteArray word;
        while (m_pos < m_data.size() && isalpha(static_cast<unsigned char>(m_data[m_pos])))
            word += m_data[m_pos++];
        bool hasNumber = false;
        int number = 0;
        bool negative = false;
        if (m_pos < m_data.size() && m_data[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_data.size() && isdigit(static_cast<unsigned char>(m_data[m_pos]))) {
            hasNumber = true;
            number = number * 10 + (m_data[m_pos++] - '0');
            if (number > 1000000)
                number = 1000000;
        }
        if (negative)
            number = -number;
        if (m_pos < m_data.size() && m_data[m_pos] == ' ')
            ++m_pos; // the delimiter belongs to the control word
        word_(word, hasNumber ? number : -1, hasNumber);
        m_groupStart = false;
    }

    void symbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            text(QChar::fromLatin1(c));
            break;
        case '~':
            text(QChar(0x00A0));
            break;
        case '_':
            text(QChar(0x2011));
            break;
        case '\'': {
            const QByteArray hex = m_data.mid(m_pos, 2);
            m_pos += 2;
            bool ok = false;
            const int code = hex.toInt(&ok, 16);
            if (ok)
                text(fromCp1252(static_cast<unsigned char>(code)));
            break;
        }
        case '*':
            if (m_groupStart)
                state().skip = true; // a destination this reader need not know
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default: // "\-" and other optional marks
            break;
        }
    }

    void paragraph()
    {
        if (state().skip)
            return;
        m_cursor.insertBlock();
        QTextBlockFormat block;
        block.setAlignment(state().align);
        m_cursor.setBlockFormat(block);
    }

    void word_(const QByteArray& w, int n, bool hasNumber)
    {
        static const char* const skipped[] = {
            "fonttbl",      "colortbl",  "stylesheet",        "info",    "pict",     "header",
            "footer",       "headerl",   "headerr",           "footerl", "footerr",  "object",
            "themedata",    "listtable", "listoverridetable", "rsidtbl", "xmlnstbl", "generator",
            "latentstyles", "datastore", "fldinst",           "filetbl", "revtbl",   "mmathPr"};
        State& s = state();
        if (w == "par") {
            paragraph();
        } else if (w == "line") {
            text(QChar::LineSeparator);
        } else if (w == "tab") {
            text(QLatin1Char('\t'));
        } else if (w == "b") {
            s.bold = !hasNumber || n != 0;
        } else if (w == "i") {
            s.italic = !hasNumber || n != 0;
        } else if (w == "ul") {
            s.underline = !hasNumber || n != 0;
        } else if (w == "ulnone") {
            s.underline = false;
        } else if (w == "fs") {
            if (hasNumber && n >= 8 && n <= 144)
                s.halfPoints = n;
        } else if (w == "plain") {
            s.bold = s.italic = s.underline = false;
            s.halfPoints = 24;
        } else if (w == "pard") {
            s.align = Qt::AlignLeft;
        } else if (w == "qc") {
            s.align = Qt::AlignHCenter;
        } else if (w == "qr") {
            s.align = Qt::AlignRight;
        } else if (w == "qj") {
            s.align = Qt::AlignJustify;
        } else if (w == "ql") {
            s.align = Qt::AlignLeft;
        } else if (w == "uc") {
            if (hasNumber && n >= 0)
                s.ucSkip = n;
        } else if (w == "u") {
            if (hasNumber) {
                text(QChar(char16_t(n < 0 ? n + 65536 : n)));
                m_pendingSkip = s.ucSkip;
            }
        } else if (w == "emdash") {
            text(QChar(0x2014));
        } else if (w == "endash") {
            text(QChar(0x2013));
        } else if (w == "bullet") {
            text(QChar(0x2022));
        } else if (w == "lquote" || w == "rquote") {
            text(QChar(w == "lquote" ? 0x2018 : 0x2019));
        } else if (w == "ldblquote" || w == "rdblquote") {
            text(QChar(w == "ldblquote" ? 0x201C : 0x201D));
        } else {
            for (const char* name : skipped)
                if (w == name)
                    s.skip = true;
        }
    }

    const QByteArray& m_data;
    QTextCursor& m_cursor;
    std::vector<State> m_states;
    qsizetype m_pos = 0;
    bool m_groupStart = false;
    int m_pendingSkip = 0;
};

} // namespace

bool RtfReader::read(const QByteArray& rtf, QTextDocument& document)
{
    if (!rtf.trimmed().startsWith("{\\rtf"))
        return false;
    document.clear();
    QTextCursor cursor(&document);
    Parser(rtf, cursor).run();
    return true;
}
