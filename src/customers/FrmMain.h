#pragma once
#include "CustomerStore.h"
#include "FrmUser_Add.h"

#include <QRect>
#include <QWidget>

#include <functional>

class HCText;
class QPushButton;
class SpreadGrid;

// The main window: the customer list with its search, and the doors to
// registration, top-up and history of the customer under the cursor.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    // Columns of spList.
    enum Column { ColName = 1, ColPhone, ColId, ColPw, ColRest, ColRegDate, ColMemo, ColCode, ColumnCount = ColCode };

    explicit FrmMain(QWidget *parent = nullptr);

    // Shows what the registration window saved: a customer added or one changed.
    void SyncUpdateUser(FrmUser_Add::Mode eUpdateMode);

    // Search (BtnSelect, F5, Enter in htFind); nothing while a search runs.
    void Search();
    // The key of the customer under the cursor, 0 when none.
    int SelectedCode() const;

    // Runs when the window has closed (saving, unloading the others, shutdown).
    static void setOnUnload(std::function<void()> action);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void designGrid();
    int designWidth() const;
    QString caption() const;
    void fillRow(int row, const class Recordset &rows);
    void clearSearch();
    void addUser();
    void editUser();
    void fillUser();
    void refreshBalance(int row, int code);
    void showDetail();

    // The window's controls, each named by its control name.
    HCText *htFind = nullptr;
    QPushButton *BtnClear = nullptr;
    QPushButton *BtnSelect = nullptr;
    QPushButton *BtnAddUser = nullptr;
    QPushButton *BtnFill = nullptr;
    QPushButton *BtnUserEdit = nullptr;
    QPushButton *BtnDetail = nullptr;
    QPushButton *btnClose = nullptr;
    SpreadGrid *spList = nullptr;

    CustomerStore m_store;
    FrmUser_Add *m_userAdd = nullptr; // object name FrmUser_Add
    QRect m_loadedGeometry;
    bool m_loading = false;        // the list is being loaded
    bool m_closeAfterLoad = false; // closed while it was
};
