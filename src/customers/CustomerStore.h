#pragma once
#include "ChunkReader.h"
#include "Recordset.h"
#include "TopUpTransaction.h"

#include <QDate>
#include <QString>

#include <optional>

// A customer's fields as the registration window types and changes them.
struct CustomerRecord {
    QString userId;
    QString password;
    QString name;
    QString phone;
    QString memo;
};

// Positions in the select list of CustomerStore::search().
namespace ListField {
enum Position { Code, UserId, UserPw, UserName, Cnt, RegDate, Bigo, HpNo };
}

// Positions in the select list of CustomerStore::history().
namespace HistoryField {
enum Position { RegDate, RegTime, Gubun, InPrice, AppCnt, Ucode, RecUserId, RecUserName, Bigo, Idx };
}

// Every read and change of the customers and their top-up and use log, as
// the customer screens make them. Statements run through the program-wide
// connection calls, so the SQL log records the changes as before.
class CustomerStore {
public:
    enum class HistoryKind { All, TopUp, Use };

    // The customer list: everyone, or those whose ID, name or phone digits
    // contain the search text; by name, handed to the reader lot by lot as
    // they arrive. False when the read failed, also after some rows: the
    // error box has told the operator.
    bool search(const QString &find, const ChunkReader &reader) const;
    static QString listStatement(const QString &find);
    // One customer's log rows over a period ("yyyy-MM-dd" to "yyyy-MM-dd",
    // both included), by date and time; read as search() reads.
    bool history(int code, const QString &from, const QString &to, HistoryKind kind, const ChunkReader &reader) const;
    static QString historyStatement(int code, const QString &from, const QString &to, HistoryKind kind);

    // Nothing when the customer is gone or the value could not be read.
    std::optional<QString> name(int code) const;
    std::optional<double> balance(int code) const;
    std::optional<CustomerRecord> record(int code) const;
    // How many other customers hold the ID; nothing when it could not be counted.
    std::optional<int> idHolders(const QString &userId, int exceptCode) const;

    // The new customer's key, or nothing when the row did not go in. The
    // operator's ID is the login's, as typed.
    std::optional<int> insert(const CustomerRecord &customer, const QDate &regDate, const QString &operatorId);
    // False when nothing changed (also when the statement failed).
    bool update(int code, const CustomerRecord &customer);

    // Writes a top-up once, both of its changes or neither (see TopUpTransaction).
    TopUpTransaction::Result topUp(const TopUpEntry &entry) { return m_topUp.write(entry); }
    // A top-up whose result could not be learned; decideTopUp() tries again.
    bool topUpPending() const { return m_topUp.pending(); }
    TopUpTransaction::Result decideTopUp() { return m_topUp.decidePending(); }
    // Forgets a top-up whose fate is still open: the next one is another.
    void startNewTopUp() { m_topUp = TopUpTransaction(); }

private:
    TopUpTransaction m_topUp;
};
