#include "Cp949.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One iconv conversion descriptor, closed when done.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts one unit of input; false when it cannot be converted.
    bool convert(const char *in, size_t inLen, QByteArray &out) const
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char *src = const_cast<char *>(in);
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        if (iconv(m_cd, &src, &inLen, &dst, &dstLeft) == static_cast<size_t>(-1) || inLen != 0)
            return false;
        out.append(buffer, static_cast<int>(dst - buffer));
        return true;
    }

    // Converts as much of in as possible; returns the bytes consumed.
    qsizetype convertPrefix(const char *in, qsizetype inLen, QByteArray &out) const
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return 0;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *src = const_cast<char *>(in);
        size_t srcLeft = static_cast<size_t>(inLen);
        char buffer[4096];
        while (srcLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<int>(dst - buffer));
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                break;
        }
        return inLen - static_cast<qsizetype>(srcLeft);
    }

private:
    iconv_t m_cd;
};

const Converter &toCp949()
{
    static Converter c("CP949", "UTF-8");
    return c;
}
const Converter &fromCp949()
{
    static Converter c("UTF-8", "CP949");
    return c;
}

// Encodes the character at i (advancing i past it) into out; false when CP949 has none.
bool encodeChar(const QString &text, qsizetype &i, QByteArray &out)
{
    const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QByteArray utf8 = text.mid(i, len).toUtf8();
    i += len;
    if (utf8.size() == 1) { // ASCII passes unchanged (NUL included)
        out.append(utf8);
        return true;
    }
    return toCp949().convert(utf8.constData(), utf8.size(), out);
}

} // namespace

namespace Cp949 {

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        if (!encodeChar(text, i, out))
            out.append('?');
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    // Plain ASCII, the common case for keys, numbers and dates, needs no iconv.
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype ascii = 0;
    while (ascii < n && data[ascii] < 0x80)
        ++ascii;
    if (ascii == n)
        return QString::fromLatin1(bytes);

    QByteArray utf8 = bytes.left(ascii);
    utf8.reserve(n * 3 / 2 + 4);
    qsizetype i = ascii;
    while (i < n) {
        const qsizetype consumed = fromCp949().convertPrefix(bytes.constData() + i, n - i, utf8);
        i += consumed;
        if (i < n) { // an invalid or truncated sequence: mark it and go on
            utf8.append("\xEF\xBF\xBD");
            ++i;
        }
    }
    return QString::fromUtf8(utf8);
}

bool canEncode(const QString &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size();) {
        if (!encodeChar(text, i, out))
            return false;
    }
    return true;
}

int byteLength(const QString &text) { return static_cast<int>(encode(text).size()); }

QString leftBytes(const QString &text, int maxBytes)
{
    QByteArray out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        QByteArray one;
        if (!encodeChar(text, i, one))
            one = "?";
        if (out.size() + one.size() > maxBytes)
            return text.left(start);
        out.append(one);
    }
    return text;
}

int codeOf(QChar c)
{
    QByteArray one;
    qsizetype i = 0;
    if (!encodeChar(QString(c), i, one) || one.isEmpty())
        return -1;
    if (one.size() == 1)
        return static_cast<unsigned char>(one.at(0));
    return static_cast<unsigned char>(one.at(0)) * 256 + static_cast<unsigned char>(one.at(1));
}

} // namespace Cp949
