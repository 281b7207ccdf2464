#pragma once
#include "HeaderDetailReader.h"

#include <QDialog>

class PrintSession;
class QPushButton;
class QRadioButton;
class SpreadGrid;

// "Change Header/Footer Attributes": its session grid's page header or footer
// as a table of nine lines with a left, centre and right text each, every text
// with its own font or the page number; saved back as mark-up.
class FrmSPPrint_HeaderFooter : public QDialog {
    Q_OBJECT
public:
    enum Column { ColLeft = 1, ColLeftFont, ColCenter, ColCenterFont, ColRight, ColRightFont };
    enum ApplyTo { HeaderText = 0, FooterText = 1 };
    static constexpr int Lines = 9;
    static constexpr const char *PageNumberText = "<Page Number>";

    explicit FrmSPPrint_HeaderFooter(PrintSession &session, QWidget *parent = nullptr);

    void InitSpread();
    void GetHeaderDetail(const QString &detailText);
    QString GetCellData(int col, int row) const;
    void SaveConfiguration();

    SpreadGrid *spread() const { return m_spread; }
    QRadioButton *optApply(int index) const { return m_apply[index]; }
    QPushButton *cmdSave() const { return m_save; }
    QPushButton *cmdReset() const { return m_reset; }

private:
    QWidget *buildInstructions();
    QWidget *buildApplyFrame();
    QString &selectedProperty() const;
    void applyToChanged();
    void resetText();
    void chooseFont(int col, int row);
    void rightClick();
    void setPageNumberCell(int col, int row);
    void setTextCell(int col, int row, const QString &text);
    void applyCellFont(int col, int row, const MarkupFont &font);
    void fitRowHeight(int row);
    void fitGridSize();
    bool isPageNumberCell(int col, int row) const;
    void endEditing();

    PrintSession &m_session;
    SpreadGrid *m_spread = nullptr;
    QRadioButton *m_apply[2] = {};
    QPushButton *m_save = nullptr;
    QPushButton *m_reset = nullptr;
    HeaderDetailReader m_reader;
};
