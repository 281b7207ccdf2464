#include "modExcel.h"

#include "Clock.h"
#include "DataFolder.h"
#include "ExcelExportLog.h"
#include "GridSheetSource.h"
#include "GridStyle.h"
#include "Launcher.h"
#include "MessageBoxes.h"
#include "ProcSteps.h"
#include "SpreadGrid.h"
#include "WaitCursor.h"
#include "XlsxSheetWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <optional>

namespace {

// The stamped base name, or with "_2", "_3", ... added while a workbook or log
// of that name exists: exports within one second keep each other's files.
QString freeBaseName(const QString &stamped)
{
    QString base = stamped;
    for (int n = 2; QFile::exists(base + QStringLiteral(".xlsx")) || QFile::exists(base + QStringLiteral("LOG.TXT"));
         ++n)
        base = stamped + QLatin1Char('_') + QString::number(n);
    return base;
}

XlsxWriteResult writeWorkbook(const ExcelSheetSource &source, const QString &file, const QString &log,
                              const QString &sheetName, bool unlock)
{
    ExcelExportLogEntry entry;
    entry.started = Clock::now();
    entry.file = file;
    entry.sheet = sheetName;
    QElapsedTimer timer;
    timer.start();
    const XlsxWriteResult result = XlsxSheetWriter(unlock).write(source, file, sheetName);
    entry.milliseconds = timer.elapsed();
    entry.rows = result.rows;
    entry.cols = result.cols;
    entry.ok = result.ok;
    entry.message = result.message;
    ExcelExportLog::write(log, entry);
    return result;
}

// Without a program for workbooks the operator learns where the file is.
void openOrTellWhere(const QString &file, const QString &title)
{
    if (Launcher::openDocument(file))
        return;
    MessageBoxes::show({QStringLiteral("엑셀 파일을 열 수 있는 프로그램이 없습니다.\n"
                                       "파일은 다음 위치에 저장되었습니다.\n")
                            + QDir::toNativeSeparators(file),
                        title, MsgButtons::Ok, MsgIcon::Information, MsgOk});
}

} // namespace

QString ExportToExcelFile(const SpreadGrid &grid, const QString &sSheetName, bool bUnlock, bool bNoQuestion,
                          bool bWholeBook, bool bOpenAfter, bool bHeaderRows)
{
    const QString title = GridStyle::messageTitle();
    if (grid.DataRowCnt() == 0) {
        MessageBoxes::show({QStringLiteral("엑셀로 보낼 데이터가 없습니다.\n자료 검색후 엑셀로 보내세요."), title,
                            MsgButtons::Ok, MsgIcon::Information, MsgOk});
        return {};
    }
    if (!bNoQuestion) {
        const MessageRequest question{QStringLiteral("엑셀로 자료를 내보내기 하시겠습니까?\n\n"
                                                     "※내보낸 자료가 엑셀에서 편집되지 않을 경우,\n"
                                                     "엑셀의 메뉴중 [도구] - [보호] -[시트보호 해제]를 클릭하세요."),
                                      title, MsgButtons::YesNo, MsgIcon::Question, MsgYes};
        if (MessageBoxes::show(question) != MsgYes)
            return {};
    }

    ProcSteps steps(QStringLiteral("ExportToExcelFile"), QStringLiteral("Module modExcel"));
    QString file;
    QString log;
    steps.run([&] {
        const QString folder = DataFolder::file(QStringLiteral("ExpExcel"));
        QDir().mkpath(folder);
        const QString base = freeBaseName(folder + QStringLiteral("/Exp")
                                          + Clock::now().toString(QStringLiteral("yyMMdd_HHmmss")));
        log = base + QStringLiteral("LOG.TXT");
        file = base + QStringLiteral(".xlsx");
    });

    std::optional<XlsxWriteResult> written;
    steps.run([&] {
        WaitCursor busy;
        // The whole-book export writes the grid's only sheet under its default name.
        const QString sheet = bWholeBook ? QStringLiteral("Sheet1") : sSheetName;
        const GridSheetSource source(*grid.model(), bHeaderRows ? grid.ColHeaderRows() : 0);
        written = writeWorkbook(source, file, log, sheet, bUnlock);
    });

    QString result;
    if (!written || !written->ok) {
        MessageBoxes::show(
            {QStringLiteral("엑셀로 내보내기에 실패했습니다."), title, MsgButtons::Ok, MsgIcon::Exclamation, MsgOk});
    } else {
        result = file;
        if (bOpenAfter)
            steps.run([&] { openOrTellWhere(file, title); });
    }
    return result;
}
