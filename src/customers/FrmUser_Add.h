#pragma once
#include "CustomerStore.h"

#include <QDialog>

#include <memory>

class LabelledFields;
class QCheckBox;
class QPushButton;

// Registers a new customer or changes one. The customer list keeps one
// instance and reuses it for every add and edit.
class FrmUser_Add : public QDialog {
    Q_OBJECT
public:
    enum Mode { ModeNew = 1, ModeEdit = 2 };
    enum Field { FieldName, FieldId, FieldPw, FieldPhone, FieldMemo };

    explicit FrmUser_Add(QWidget *parent = nullptr);
    ~FrmUser_Add() override;

    void SetFormMode(int mode, QWidget *caller, int iCode);
    const LabelledFields &fields() const { return *m_fields; }
    LabelledFields &fields() { return *m_fields; }

    // The customer being changed, or the one just added; 0 before a new one is saved.
    int customerCode() const { return m_code; }

    QPushButton *btnSave = nullptr;
    QPushButton *btnClose = nullptr;
    QCheckBox *chkCun = nullptr;

signals:
    // A customer was saved for the customer list that opened the window:
    // mode ModeNew when added, ModeEdit when changed.
    void savedForCustomerList(int mode);

private:
    void buildControls();
    QString continueKey() const;
    bool callerIsCustomerList() const;
    void loadRecord(int code);
    void save();
    CustomerRecord typedRecord() const;
    bool writeRecord();

    CustomerStore m_store;
    int m_code = 0;
    std::unique_ptr<LabelledFields> m_fields;
    int m_mode = ModeNew;
    QWidget *m_caller = nullptr;
};
