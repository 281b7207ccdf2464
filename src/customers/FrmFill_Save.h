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
    // What the window does: a new top-up (mode 1) is the only mode there is.
    enum class Mode { New = 1 };
    // The fields, htField(0) to htField(5); the customer's key is never shown.
    enum Field { FieldName, FieldId, FieldAmount, FieldCount, FieldMemo, FieldCode };

    explicit FrmFill_Save(QWidget *parent = nullptr);
    ~FrmFill_Save() override;

    void SetFormMode(int nUcode, const QString &sUserName, const QString &sUserID, Mode mode, QWidget *caller,
                     int iCode);

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

    // The window's controls, each named by its control name.
    QPushButton *btnSave = nullptr;
    QPushButton *btnClose = nullptr;

    std::unique_ptr<LabelledFields> m_fields;
    Mode m_mode = Mode::New;
    QWidget *m_caller = nullptr;
    CustomerStore m_store;
};
