#pragma once
#include "CustomerStore.h"

#include <QDialog>

#include <utility>

class HCTerm;
class QPushButton;
class QRadioButton;
class SpreadGrid;

// One customer's top-ups and uses over a period, to print or export.
class FrmDetail : public QDialog {
    Q_OBJECT
public:
    // Columns of spList.
    enum Column {
        ColDate = 1,
        ColTime,
        ColKind,
        ColCount,
        ColAmount,
        ColOperator,
        ColMemo,
        ColIdx,
        ColumnCount = ColIdx
    };
    enum Kind { KindAll, KindTopUp, KindUse };

    FrmDetail(int nUcode, QWidget *parent = nullptr);

    void Search();
    void Print();
    void ExportExcel();
    // Closes, or once the list being loaded has loaded.
    void reject() override;

private:
    void buildControls();
    void designGrid();
    CustomerStore::HistoryKind kind() const;
    void fillRow(int row, const Recordset &rows);
    void dropRowsOfAnotherPeriod();

    // The window's controls, each named by its control name (OptGubun_0 to OptGubun_2 by kind).
    HCTerm *htDate = nullptr;
    QRadioButton *OptGubun[3] = {};
    QPushButton *BtnSelect = nullptr;
    QPushButton *btnExcel = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnClose = nullptr;
    SpreadGrid *spList = nullptr;

    CustomerStore m_store;
    int m_code = 0;
    std::pair<QString, QString> m_shownPeriod; // the period of the rows listed
    bool m_loading = false;                    // the list is being loaded
    bool m_searchAgain = false;                // a search was asked for meanwhile
    bool m_closeAfterLoad = false;             // a close was
};
