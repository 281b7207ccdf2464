#pragma once
#include <QDialog>

class PrintSession;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class SpreadGrid;

// "Print": the nine print options of the calling screen (each change stored
// and applied at once), the print range, printer and page setup; prints its
// session's grid and closes the session's preview.
class FrmSPPrint_PrintDlg : public QDialog {
    Q_OBJECT
public:
    enum Range { RangeAll = 0, RangeSelection = 1, RangeCurrentPage = 2, RangePages = 3 };

    explicit FrmSPPrint_PrintDlg(PrintSession &session, QWidget *parent = nullptr);

    QCheckBox *Check1(int index) const { return m_check[index]; }
    QRadioButton *Option1(int index) const { return m_option[index]; }
    QLineEdit *Text1(int index) const { return m_text[index]; }

    // Prints the session's grid with the selected range; true when printed. A
    // page range that names no existing page is refused with a message.
    bool PrintSpread();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildOptionFrame();
    QWidget *buildRangeFrame();
    void load();
    void optionClicked(int index);
    void rangeChanged();
    bool choosePageRange(SpreadGrid &grid);
    void refusePageRange(int pageCount);
    void printClicked();
    void printerSetup();

    PrintSession &m_session;
    QCheckBox *m_check[9] = {};
    QRadioButton *m_option[4] = {};
    QLineEdit *m_text[2] = {};
};
