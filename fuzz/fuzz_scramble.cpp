// The SQL log line scrambler and the SQL string escaper. An even first byte
// reads the rest as UTF-8, an odd one as raw UTF-16 (lone surrogates, NULs).
#include "FuzzApp.h"
#include "modMySQL_Func.h"

namespace {

QString textOf(const uint8_t *data, size_t size)
{
    const QByteArray rest = fuzzBytes(data + 1, size - 1);
    if (data[0] % 2 == 0)
        return QString::fromUtf8(rest);
    return QString(reinterpret_cast<const QChar *>(rest.constData()), rest.size() / 2);
}

// Every run of ch in text has an even length.
bool runsArePairs(const QString &text, QChar ch)
{
    qsizetype run = 0;
    for (QChar c : text) {
        if (c == ch) {
            ++run;
            continue;
        }
        if (run % 2 != 0)
            return false;
        run = 0;
    }
    return run % 2 == 0;
}

void checkScramble(const QString &line)
{
    const QString out = ScrambleLogLine(line);
    fuzzCheck(out.size() == 4 * line.size(), "four hex digits per character", out);
    for (QChar c : out)
        fuzzCheck((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'), "only hex digits", out);
}

void checkEscape(const QString &original)
{
    QString value = original;
    const QString escaped = SQLEscape(value);
    const QString cut = original.left(original.indexOf(QChar(0)) < 0 ? original.size() : original.indexOf(QChar(0)));
    fuzzCheck(!escaped.contains(QChar(0)) && !value.contains(QChar(0)), "no NUL after escaping", escaped);
    fuzzCheck(runsArePairs(escaped, QLatin1Char('\'')), "quotes in pairs", escaped);
    fuzzCheck(runsArePairs(escaped, QLatin1Char('\\')), "backslashes in pairs", escaped);
    QString undone = escaped;
    undone.replace(QLatin1String("\\\\"), QLatin1String("\\")).replace(QLatin1String("''"), QLatin1String("'"));
    fuzzCheck(undone == cut, "escaping is undone exactly", escaped);
    QString quotesOnly = cut;
    fuzzCheck(value == quotesOnly.replace(QLatin1Char('\''), QLatin1String("''")), "value keeps its quotes doubled",
              value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text = textOf(data, size);
    checkScramble(text);
    checkEscape(text);
    return 0;
}
