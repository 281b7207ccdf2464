#include "ProfileFile.h"

#include "Cp949.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <vector>

namespace {

// One line of the file: its bytes as they stand, and their text for reading.
// Lines that are not rewritten go back byte for byte, so bytes that are not
// CP949 (another program's entries) survive a write.
struct Line {
    QByteArray raw;
    QString text;
};

std::vector<Line> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A CP949 trail byte is never CR or LF, so the bytes split safely.
    QByteArray bytes = file.readAll();
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    std::vector<Line> lines;
    for (const QByteArray &raw : bytes.split('\n'))
        lines.push_back({raw, Cp949::decode(raw)});
    return lines;
}

Line lineOf(const QString &text) { return {Cp949::encode(text), text}; }

// "[name]" (blanks around allowed) gives name; anything else a null string.
QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return QString();
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return QString();
    return t.mid(1, close - 1).trimmed();
}

bool splitEntry(const QString &line, QString &key, QString &value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1).trimmed();
    // A value written between double quotes reads without them.
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return !key.isEmpty();
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

QString ProfileFile::read(const QString &path, const QString &section, const QString &key, const QString &defaultValue,
                          int maxChars)
{
    bool inSection = false;
    for (const Line &line : readLines(path)) {
        const QString name = sectionName(line.text);
        if (!name.isNull()) {
            inSection = sameName(name, section);
            continue;
        }
        QString k, v;
        if (inSection && splitEntry(line.text, k, v) && sameName(k, key))
            return v.left(maxChars);
    }
    return defaultValue.left(maxChars);
}

bool ProfileFile::write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    std::vector<Line> lines = readLines(path);
    while (!lines.empty() && lines.back().text.trimmed().isEmpty())
        lines.pop_back();

    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionAt = -1, insertAt = -1;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines.size()); ++i) {
        const QString &text = lines[static_cast<size_t>(i)].text;
        const QString name = sectionName(text);
        if (!name.isNull()) {
            if (sectionAt >= 0)
                break; // the next section begins
            if (sameName(name, section)) {
                sectionAt = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionAt < 0)
            continue;
        QString k, v;
        if (splitEntry(text, k, v) && sameName(k, key)) {
            lines[static_cast<size_t>(i)] = lineOf(entry);
            insertAt = -2;
            break;
        }
        if (!text.trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (sectionAt < 0) {
        lines.push_back(lineOf(QLatin1Char('[') + section + QLatin1Char(']')));
        lines.push_back(lineOf(entry));
    } else if (insertAt >= 0) {
        lines.insert(lines.begin() + insertAt, lineOf(entry));
    }

    QByteArray bytes;
    for (const Line &line : lines)
        bytes += line.raw + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}
