// The profile (INI) file reader and writer on a damaged file: the input bytes
// are the file. Keys are read, one is written and read back, and a key of
// another section keeps its value through the write.
#include "Cp949.h"
#include "FuzzApp.h"
#include "ProfileFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString writtenSection = QStringLiteral("FuzzWritten");
const QString writtenKey = QStringLiteral("Key");

QString profilePath()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("fuzz.ini"));
}

// The first section and a key in it, as the file's own text names them.
bool firstEntry(const QString &text, QString *section, QString *key)
{
    static const QRegularExpression entry(QStringLiteral(R"(^\s*\[\s*([^\]\r\n]*?)\s*\][^\r\n]*[\r\n]+([^=\r\n\[]+)=)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = entry.match(text);
    if (!match.hasMatch())
        return false;
    *section = match.captured(1);
    *key = match.captured(2).trimmed();
    return !key->isEmpty() && section->compare(writtenSection, Qt::CaseInsensitive) != 0;
}

// A value the file can hold: CP949 letters and digits made from the input's last bytes.
QString valueOf(const QByteArray &bytes)
{
    static const QString alphabet = QStringLiteral("abcXYZ0189-_.,:/가나다한글");
    QString value;
    for (qsizetype i = qMax<qsizetype>(0, bytes.size() - 40); i < bytes.size(); ++i)
        value += alphabet.at(static_cast<uint8_t>(bytes.at(i)) % alphabet.size());
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString path = profilePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes);
    }
    const QString text = Cp949::decode(bytes);
    for (const char *key : {"Server", "Name", ""}) {
        const QString read = ProfileFile::read(path, QStringLiteral("General"), QLatin1String(key), QStringLiteral("-"),
                                               8);
        fuzzCheck(read.size() <= 8, "value cut to maxChars", read);
    }
    QString section, key, before;
    const bool hasEntry = firstEntry(text, &section, &key);
    if (hasEntry)
        before = ProfileFile::read(path, section, key, QString(), 1000);

    const QString value = valueOf(bytes);
    fuzzCheck(ProfileFile::write(path, writtenSection, writtenKey, value), "write succeeds");
    const QString back = ProfileFile::read(path, writtenSection, writtenKey, QStringLiteral("<absent>"), 1000);
    fuzzCheck(back == value, "written value reads back", value + QStringLiteral(" -> ") + back);
    // Bytes that are not CP949 read as U+FFFD and are written back as '?'.
    const bool damaged = (section + key + before).contains(QChar(0xFFFD));
    if (hasEntry && !damaged) {
        const QString after = ProfileFile::read(path, section, key, QString(), 1000);
        fuzzCheck(after == before, "other keys keep their values",
                  section + QLatin1Char('/') + key + QStringLiteral(": ") + before + QStringLiteral(" -> ") + after);
    }
    return 0;
}
