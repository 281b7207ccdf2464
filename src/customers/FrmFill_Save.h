#pragma once
#include "CustomerStore.h"

#include <QDialog>

#include <memory>

class LabelledFields;
class QPushButton;

// Tops up one customer's balance: a kind-1 log row and the raise of the
// balance, both or neither, written by the customer store.
class FrmFill_Save : public QDialog {
    Q_OBJECT
public:
    enum Field { FieldName, FieldId, FieldAmount, FieldCount, FieldMemo, FieldCode };

    explicit FrmFill_Save(QWidget *parent = nullptr);
    ~FrmFill_Save() override;

    void SetFormMode(int nUcode, const QString &sUserName, const QString &sUserID, int Mode, QWidget *caller,
                     int iCode);
    LabelledFields &fields() { return *m_fields; }

    QPushButton *btnSave = nullptr;
    QPushButton *btnClose = nullptr;

    // Closing decides a top-up whose result is still open before the window goes.
    void reject() override;

private:
    void buildControls();
    void save();
    bool readyToSave();
    TopUpTransaction::Result writeTopUp();
    TopUpTransaction::Result decidePending();
    // True when the top-up is known saved; tells the operator every other outcome.
    bool tellOutcome(TopUpTransaction::Result result);
    void holdTopUp(bool held);

    std::unique_ptr<LabelledFields> m_fields;
    int m_mode = 1;
    QWidget *m_caller = nullptr;
    CustomerStore m_store;
};
