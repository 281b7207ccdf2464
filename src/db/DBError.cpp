#include "DBError.h"

#include "ProcErrorText.h"
#include "ServerErrors.h"

QString DBError::text() const
{
    switch (kind) {
    case Kind::Connection:
        return QStringLiteral("Error %1 %2\r\n\r\n%3").arg(number).arg(description, ConnectFailureMessage(number));
    case Kind::Statement: return QStringLiteral("Error %1 (%2)").arg(number).arg(description);
    case Kind::SQLLog:
        return QStringLiteral("SQL 로그 파일을 기록할 수 없습니다.\r\n\r\n") + where
               + QStringLiteral("\r\n\r\n처리한 자료는 저장되었으며, 이후 로그는 기록되지 않을 수 있습니다.");
    case Kind::Procedure: return ProcErrorText(number, description, where, owner);
    }
    return description;
}

QString ConnectFailureMessage(unsigned errorNumber)
{
    QString message = QStringLiteral("데이터베이스 서버에 접속할 수 없습니다.");
    if (errorNumber == ServerErrors::CantConnect || errorNumber == ServerErrors::Connection) {
        message += QStringLiteral("\r\n\r\n인터넷이 연결되어 있는지 확인 해 주세요.\r\n\r\n"
                                  "인터넷이 연결되어 있다면 방화벽이나 각종 스파이웨어 차단 프로그램이 "
                                  "가동중인지 확인해 주세요.\r\n"
                                  "관련 프로그램이 데이터베이스 접속을 방해하는 경우 일 수도 있습니다.");
    }
    return message;
}
