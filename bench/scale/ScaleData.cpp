#include "ScaleData.h"

#include "BenchFigures.h"
#include "BenchServer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {
constexpr long long Chunk = 1000000; // rows per statement, so one fits the buffer pool
constexpr int OrdinaryRows = ScaleData::HistoryRows - ScaleData::HeavyRows;
constexpr int OrdinaryCustomers = ScaleData::Customers - 1;
constexpr int OrdinaryDays = 2922; // FirstYear-01-01 to LastYear-12-31

QByteArray number(long long n) { return QByteArray::number(n); }

// Which ordinary customer the ordinary row "seq" belongs to: rows in order of
// seq go to customers in order of code, skipping the heavy one.
QByteArray ordinaryCustomerOf()
{
    const QByteArray index = "(seq * " + number(OrdinaryCustomers) + " DIV " + number(OrdinaryRows) + ")";
    return index + " + 1 + (" + index + " + 1 >= " + number(ScaleData::HeavyCode) + ")";
}
} // namespace

void ScaleData::ensure()
{
    m_server.exec("SET SESSION unique_checks = 0");
    if (customersInPlace())
        std::printf("fill customers: %d already in place, skipped\n", Customers);
    else
        fillCustomers();
    if (historyInPlace())
        std::printf("fill history: %d rows already in place, skipped\n", HistoryRows);
    else
        fillHistory();
    m_server.exec("SET SESSION unique_checks = 1");
}

bool ScaleData::customersInPlace()
{
    const QByteArray last = number(Customers);
    return m_server.value("SELECT (SELECT COUNT(*) FROM emailuser) = " + last
                              + " AND (SELECT IFNULL(MAX(userid), '') FROM emailuser WHERE code = " + last
                              + ") = CONCAT('cust', LPAD(" + last + ", 7, '0')) AS ok",
                          "ok")
           == "1";
}

bool ScaleData::historyInPlace()
{
    const QByteArray year = number(HeavyYear);
    return m_server.value("SELECT (SELECT COUNT(*) FROM emaillog) = " + number(HistoryRows)
                              + " AND (SELECT COUNT(*) FROM emaillog WHERE ucode = " + number(HeavyCode)
                              + " AND regdate BETWEEN '" + year + "-01-01' AND '" + year
                              + "-12-31') = " + number(HeavyRows)
                              + " AND (SELECT MAX(ucode) FROM emaillog) = " + number(Customers) + " AS ok",
                          "ok")
           == "1";
}

void ScaleData::fillCustomers()
{
    QElapsedTimer timer;
    timer.start();
    m_server.exec("TRUNCATE TABLE emailuser");
    // Trade names from the KS X 1001 syllables, so they survive an euckr connection.
    m_server.exec(
        "INSERT INTO emailuser (code, userid, userpw, username, restcnt, regdate, bigo, hpno, reguser) "
        "SELECT seq, CONCAT('cust', LPAD(seq, 7, '0')), CONCAT('pw', seq), "
        "CONCAT(ELT(1 + seq % 10, '가나', '다라', '마바', '사아', '자차', '카타', '파하', '한빛', '푸른', '가람'), "
        "' 상사 ', seq), (seq * 37) % 5000, "
        "DATE_FORMAT(DATE_SUB('2026-12-01', INTERVAL seq % 3650 DAY), '%Y-%m-%d'), "
        "IF(seq % 7 = 0, '정기 고객', ''), "
        "CONCAT('010-', LPAD(1000 + seq % 9000, 4, '0'), '-', LPAD((seq * 7919) % 10000, 4, '0')), 'bench' "
        "FROM seq_1_to_"
        + number(Customers));
    BenchFigures::printCount("fill customers, rows", Customers, "rows");
    BenchFigures::print("fill customers, time", timer.nsecsElapsed() / 1e9, "s");
}

void ScaleData::fillHistory()
{
    QElapsedTimer timer;
    timer.start();
    m_server.exec("TRUNCATE TABLE emaillog");
    // In order of ucode, so the history index grows at its end.
    for (long long first = 0; first < OrdinaryRows; first += Chunk)
        fillOrdinaryRows(first, std::min<long long>(first + Chunk, OrdinaryRows) - 1);
    fillHeavyRows();
    BenchFigures::printCount("fill history, rows", HistoryRows, "rows");
    BenchFigures::print("fill history, time", timer.nsecsElapsed() / 1e9, "s");
}

void ScaleData::fillOrdinaryRows(long long first, long long last)
{
    m_server.exec(
        "INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, recusername, bigo) "
        "SELECT DATE_FORMAT(DATE_ADD('"
        + number(FirstYear) + "-01-01', INTERVAL (seq * 7919) % " + number(OrdinaryDays)
        + " DAY), '%Y-%m-%d'), "
          "CONCAT(LPAD(seq % 24, 2, '0'), ':', LPAD((seq * 13) % 60, 2, '0')), "
          "IF(seq % 4 = 0, 1, 0), IF(seq % 4 = 0, 10000 * (1 + seq % 5), 0), "
          "IF(seq % 4 = 0, 1000 * (1 + seq % 5), 10 + seq % 90), "
        + ordinaryCustomerOf()
        + ", "
          "IF(seq % 4 = 0, 'bench', ''), IF(seq % 4 = 0, '관리자', '발송 서비스'), IF(seq % 9 = 0, '정기 충전', '') "
          "FROM seq_"
        + number(first) + "_to_" + number(last) + " ORDER BY seq");
}

void ScaleData::fillHeavyRows()
{
    // Spread over the days of the year in order, times scattered within the day.
    m_server.exec(
        "INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, recusername, bigo) "
        "SELECT DATE_FORMAT(DATE_ADD('"
        + number(HeavyYear) + "-01-01', INTERVAL seq * 365 DIV " + number(HeavyRows)
        + " DAY), '%Y-%m-%d'), "
          "CONCAT(LPAD((seq * 37) % 1440 DIV 60, 2, '0'), ':', LPAD((seq * 37) % 60, 2, '0')), "
          "IF(seq % 10 = 0, 1, 0), IF(seq % 10 = 0, 50000, 0), IF(seq % 10 = 0, 5000, 1 + seq % 300), "
        + number(HeavyCode)
        + ", IF(seq % 10 = 0, 'bench', ''), IF(seq % 10 = 0, '관리자', '발송 서비스'), "
          "IF(seq % 10 = 0, '월 정기 충전', '') "
          "FROM seq_0_to_"
        + number(HeavyRows - 1) + " ORDER BY seq");
}
