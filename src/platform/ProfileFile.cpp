#include "ProfileFile.h"

#include "Cp949.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = Cp949::decode(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

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

QString ProfileFile::read(const QString &path, const QString &section, const QString &key,
                          const QString &defaultValue, int maxChars)
{
    bool inSection = false;
    for (const QString &line : readLines(path)) {
        const QString name = sectionName(line);
        if (!name.isNull()) {
            inSection = sameName(name, section);
            continue;
        }
        QString k, v;
        if (inSection && splitEntry(line, k, v) && sameName(k, key))
            return v.left(maxChars);
    }
    return defaultValue.left(maxChars);
}

bool ProfileFile::write(const QString &path, const QString &section, const QString &key,
                        const QString &value)
{
    QStringList lines = readLines(path);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionAt = -1, insertAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines[i]);
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
        if (splitEntry(lines[i], k, v) && sameName(k, key)) {
            lines[i] = entry;
            insertAt = -2;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (sectionAt < 0)
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    else if (insertAt >= 0)
        lines.insert(insertAt, entry);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Cp949::encode(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")));
    return file.commit();
}
