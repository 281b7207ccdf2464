#pragma once
#include <QDialog>

class PrintSession;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Setup": margins, orientation and preview zoom of its session's request,
// stored for the calling screen; opens the header and footer editor.
class FrmSPPrint_PageSetup : public QDialog {
    Q_OBJECT
public:
    enum MarginBox { MarginLeft = 0, MarginRight = 1, MarginTop = 2, MarginBottom = 3 };
    enum Orientation { Portrait = 0, Landscape = 1 };

    explicit FrmSPPrint_PageSetup(PrintSession &session, QWidget *parent = nullptr);

    QLineEdit *pagemargin(int index) const { return m_pagemargin[index]; }
    QRadioButton *porientation(int index) const { return m_porientation[index]; }
    QComboBox *Combo1() const { return m_combo; }

    // A margin box left: unfilled positions become 0.
    void pagemarginLostFocus(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildHeaderFrame();
    QWidget *buildMarginFrame();
    QWidget *buildZoomFrame();
    QWidget *buildOrientationFrame();
    void load();
    void accept() override;
    double marginInches(int index) const;
    void showOrientationPicture();

    PrintSession &m_session;
    QLineEdit *m_pagemargin[4] = {};
    QRadioButton *m_porientation[2] = {};
    QComboBox *m_combo = nullptr;
    QLabel *m_picture = nullptr;
};
