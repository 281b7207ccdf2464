#pragma once
#include <QByteArray>
#include <QString>

// The Korean ANSI code page (CP949), converted through iconv.
namespace Cp949 {
QByteArray encode(const QString &text);  // unencodable characters become '?'
QString decode(const QByteArray &bytes); // invalid sequences become U+FFFD
bool canEncode(const QString &text);
int byteLength(const QString &text); // hangul syllable = 2
// The longest prefix of text that fits in maxBytes, never splitting a character.
QString leftBytes(const QString &text, int maxBytes);
// The CP949 code of one character: a byte, or lead byte * 256 + trail byte; -1 if none.
int codeOf(QChar c);
} // namespace Cp949
