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
    // What the window does: register a new customer (mode 1) or change one (mode 2).
    enum class Mode { New = 1, Edit = 2 };
    // The fields, htField(0) to htField(4).
    enum Field { FieldName, FieldId, FieldPw, FieldPhone, FieldMemo };

    explicit FrmUser_Add(QWidget *parent = nullptr);
    ~FrmUser_Add() override;

    void SetFormMode(Mode mode, QWidget *caller, int iCode);
    // What was typed, read by the customer list after a save.
    const LabelledFields &fields() const { return *m_fields; }

    // The customer being changed, or the one just added; 0 before a new one is saved.
    int customerCode() const { return m_code; }

signals:
    // A customer was saved for the customer list that opened the window:
    // Mode::New when added, Mode::Edit when changed.
    void savedForCustomerList(FrmUser_Add::Mode mode);

private:
    void buildControls();
    QString continueKey() const;
    bool callerIsCustomerList() const;
    void loadRecord(int code);
    void save();
    CustomerRecord typedRecord() const;
    bool writeRecord();

    // The window's controls, each named by its control name.
    QPushButton *btnSave = nullptr;
    QPushButton *btnClose = nullptr;
    QCheckBox *chkCun = nullptr;

    CustomerStore m_store;
    int m_code = 0;
    std::unique_ptr<LabelledFields> m_fields;
    Mode m_mode = Mode::New;
    QWidget *m_caller = nullptr;
};
