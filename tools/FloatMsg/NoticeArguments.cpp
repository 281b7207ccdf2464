#include "NoticeArguments.h"

NoticeArguments NoticeArguments::parse(const QStringList &arguments)
{
    NoticeArguments notice;
    QStringList words = arguments;
    for (qsizetype i = words.size() - 1; i >= 0; --i) {
        if (!words[i].startsWith(QLatin1String("/T"), Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const int time = words[i].mid(2).toInt(&ok);
        if (ok && time > 0)
            notice.timeMs = time;
        words.removeAt(i);
        break;
    }
    notice.text = words.join(QLatin1Char(' ')).trimmed();
    return notice;
}
