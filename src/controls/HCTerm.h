#pragma once
#include "DateControlBase.h"

#include <QPointF>
#include <optional>

class DateEdit;
class DateFrame;
class PropertyStore;
class QPushButton;

// The period box: start date (Text1) and end date (Text2), each a date field
// with day up/down and calendar button in a grey frame, and between them the
// "▼" button that opens the presets dialog "기간 간편설정".
//
// Typical use, as on the history screen (the box named htDate):
//     const QString sFrom = htDate->text1();   // "" when the field is empty
//     const QString sTo = htDate->text2();
//     ... "regdate between '" + sFrom + "' and '" + sTo + "'"
//     htDate->ThisMonth();                     // 1st of this month to today
// Text1 and Text2 are also the Q_PROPERTYs "Text1" and "Text2". The box does
// not require the start to be on or before the end.
//
// Each field is checked before the focus leaves it (message "날짜입력 확인",
// focus kept, the click that would have taken it refused). Events as the
// single date boxes (DateControlBase), for either field; after the dialog
// only PeriodChosen, when a period was confirmed in it.
class HCTerm : public DateControlBase {
    Q_OBJECT
    Q_PROPERTY(QString Text1 READ text1 WRITE setText1)
    Q_PROPERTY(QString Text2 READ text2 WRITE setText2)
    Q_PROPERTY(int EasyDateShowPos READ easyDateShowPos WRITE setEasyDateShowPos)
public:
    // Where the presets dialog opens, relative to the box.
    enum ShowPos { ShowAtLeft = 0, ShowAtRight = 1, ShowCentred = 2 };

    explicit HCTerm(QWidget *parent = nullptr);

    QString text1() const;
    void setText1(const QString &text);
    QString text2() const;
    void setText2(const QString &text);
    int easyDateShowPos() const { return m_easyDateShowPos; }
    void setEasyDateShowPos(int pos);

    void ToDay();
    void ThisMonth();
    void ThisYear();

    void loadProperties(const PropertyStore &store);
    // Text1/Text2 equal to today are not written, so they read back as the
    // day of loading; pass the store of one save.
    void saveProperties(PropertyStore &store) const;

    // The design size; a host's layout never makes the box smaller.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    DateFrame *frame(int index) const { return m_frames[index]; }
    DateEdit *field(int index) const;
    QPushButton *presetsButton() const { return m_presets; }

    // Top-left corner of the presets dialog in twips for a box whose top-left
    // corner is at boxOrigin; nothing for a position that does not move it.
    static std::optional<QPointF> easyDateOrigin(int showPos, const QPointF &boxOrigin, qreal boxWidth,
                                                 qreal dialogWidth);

signals:
    void PeriodChosen();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupFrame(DateFrame *frame);
    void setPeriod(const QString &start, const QString &end);
    void openPresets();

    DateFrame *m_frames[2];
    QPushButton *m_presets;
    int m_easyDateShowPos = ShowAtLeft;
};
