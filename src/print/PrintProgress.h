#pragma once
#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// The progress of a print job as the operator sees it: a dialog reading
// "인쇄 중입니다. n / N 페이지" with a "취소" button, shown once the job has
// run for a moment. It blocks input to the other windows while they go on
// being painted. Used as the job's progress: false once cancelled.
class PrintProgress {
public:
    static constexpr int ShowAfterMs = 400;
    static constexpr int UpdateEveryMs = 100; // the label and the other windows

    PrintProgress(const QString &title, QWidget *parent);
    ~PrintProgress();
    PrintProgress(const PrintProgress &) = delete;
    PrintProgress &operator=(const PrintProgress &) = delete;

    bool operator()(int done, int total);

    static QString label(int page, int total);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate;
};
