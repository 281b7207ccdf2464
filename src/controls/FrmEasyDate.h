#pragma once
#include <QDialog>
#include <QList>

class DateEdit;
class DateFrame;
class QPushButton;

// The presets dialog "기간 간편설정" of the period box: 27 one-click periods
// (a click sets both dates and confirms at once), 12 ◀/▶ buttons that move
// the shown period by a day, week, month, year, quarter or half-year, and two
// date fields confirmed with "확인(&O)" or dropped with "닫기(&C)" / Esc.
//
// Caller: write Text1/Text2, move, exec(), then read OK and, when true,
// Text1/Text2. Every button click is refused while a field holds an invalid date.
class FrmEasyDate : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString Text1 READ text1 WRITE setText1)
    Q_PROPERTY(QString Text2 READ text2 WRITE setText2)
    Q_PROPERTY(bool OK READ ok)
public:
    explicit FrmEasyDate(QWidget *parent = nullptr);

    QString text1() const { return m_texts[0]; }
    // A date is stored and shown in the start field; anything else is ignored.
    void setText1(const QString &text) { setText(0, text); }
    QString text2() const { return m_texts[1]; }
    void setText2(const QString &text) { setText(1, text); }
    bool ok() const { return m_ok; }

    DateEdit *field(int index) const;
    DateFrame *frame(int index) const { return m_frames[index]; }
    QPushButton *presetButton(int index) const { return m_presets.at(index); }
    QPushButton *shiftButton(int index) const { return m_shifts.at(index); }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *closeButton() const { return m_closeButton; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildFields();
    void buildCommands();
    void buildLabels();
    void buildPresets();
    void buildShifts();
    QPushButton *button(const QString &caption, const QRectF &twips);
    void markCurrentButtons();
    void setText(int index, const QString &text);
    void applyPreset(int preset);
    void applyShift(int shift);
    void confirm();

    DateFrame *m_frames[2];
    QPushButton *m_okButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QList<QPushButton *> m_presets;
    QList<QPushButton *> m_shifts;
    QString m_texts[2];
    bool m_ok = false;
};
