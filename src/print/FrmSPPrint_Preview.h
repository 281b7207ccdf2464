#pragma once
#include "PreviewZoom.h"
#include "SessionPreview.h"

#include <QDialog>
#include <QMap>

class PrintSession;
class QLabel;
class QToolBar;
class QToolButton;
class SpreadGrid;
class SpreadPreviewView;

// "스프레드 인쇄 미리보기": the grid of its session's request as printed pages,
// with a toolbar to page through them, zoom, print, set up the page and close;
// the windows it opens get the same session. Keys page through it as well:
// Page Down and Page Up as "Next" and "Previous", Home and End (also with
// Ctrl) to the first and last pages; a digit or Ctrl+G asks for a page.
// While it is open, a grid whose first column merges its rows gets a hidden
// first column "MERGE_COL" holding each row's page number, so that merged
// blocks end at page breaks; closing removes it again.
class FrmSPPrint_Preview : public QDialog, public SessionPreview {
    Q_OBJECT
public:
    // Toolbar positions, left to right.
    enum ToolbarPosition { BtnNext = 1, BtnPrevious, BtnZoom, BtnPrint, BtnSetup, LblPage, BtnClose };
    static constexpr const char *PageNumberColumn = "MERGE_COL";

    explicit FrmSPPrint_Preview(PrintSession &session, QWidget *parent = nullptr);
    ~FrmSPPrint_Preview() override;

    // Set by the print options dialog once the grid was printed.
    bool m_bPrintedOK = false;

    void SetupToolbar();
    void DisableButton(int position, int image);
    void EnableButton(int position, int image);
    void UpdatePageCount();
    // Asks for a page to show, the field starting with start (selected: the
    // first key typed replaces it).
    void askForPage(const QString &start, bool selected);
    // Binds the preview to the grid again and brings the page-number column
    // and the page label up to date; run whenever the window becomes active.
    void Activate();

    void setView(const PreviewView &view) override;
    int currentPage() const override;
    void markPrinted() override;
    void closePreview() override;
    SpreadPreviewView *preview() const { return m_preview; }
    QToolButton *button(int position) const { return m_buttons.value(position); }
    QLabel *pageLabel() const { return m_pageLabel; }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openWithinTheScreen(const QSize &design);
    void addButton(int position, const QString &caption, int image);
    void toolbarClicked(int position);
    void addPageKeys();
    void nextPage();
    void previousPage();
    void firstPage();
    void lastPage();
    void openChild(QDialog &dialog);
    void refreshButtons();
    void addPageNumberColumn(SpreadGrid &grid);
    void writePageNumbers(SpreadGrid &grid);
    void removePageNumberColumn();
    void unload();

    PrintSession &m_session;
    QToolBar *m_toolbar = nullptr;
    QMap<int, QToolButton *> m_buttons;
    QLabel *m_pageLabel = nullptr;
    SpreadPreviewView *m_preview = nullptr;
    int m_savedMerge = 0;
    bool m_unloaded = false;
};
