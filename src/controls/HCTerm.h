#pragma once
#include "DateControlOptions.h"

#include <QFont>
#include <QPointF>
#include <QWidget>
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
// single date boxes, for either field; nothing is raised after the dialog.
class HCTerm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Text1 READ text1 WRITE setText1)
    Q_PROPERTY(QString Text2 READ text2 WRITE setText2)
    Q_PROPERTY(bool AllowEmpty READ allowEmpty WRITE setAllowEmpty)
    Q_PROPERTY(bool FocusEffect READ focusEffect WRITE setFocusEffect)
    Q_PROPERTY(uint FocusEffectParam READ focusEffectParam WRITE setFocusEffectParam)
    Q_PROPERTY(QFont Font READ fieldFont WRITE setFieldFont)
    Q_PROPERTY(bool AutoTab READ autoTab WRITE setAutoTab)
    Q_PROPERTY(int EasyDateShowPos READ easyDateShowPos WRITE setEasyDateShowPos)
    Q_PROPERTY(QWidget *hWnd READ hWnd CONSTANT)
public:
    // Where the presets dialog opens, relative to the box.
    enum ShowPos { ShowAtLeft = 0, ShowAtRight = 1, ShowCentred = 2 };

    explicit HCTerm(QWidget *parent = nullptr);

    uint foreColor() const { return m_options.foreColor; }
    void setForeColor(uint colour);
    int backStyle() const { return m_options.backStyle; }
    void setBackStyle(int style);
    int borderStyle() const { return m_options.borderStyle; }
    void setBorderStyle(int style);
    QString text1() const;
    void setText1(const QString &text);
    QString text2() const;
    void setText2(const QString &text);
    bool allowEmpty() const { return m_options.allowEmpty; }
    void setAllowEmpty(bool on);
    bool focusEffect() const { return m_options.focusEffect; }
    void setFocusEffect(bool on);
    uint focusEffectParam() const { return m_options.focusEffectParam; }
    void setFocusEffectParam(uint colour);
    QFont fieldFont() const;
    void setFieldFont(const QFont &font);
    bool autoTab() const { return m_options.autoTab; }
    void setAutoTab(bool on);
    int easyDateShowPos() const { return m_easyDateShowPos; }
    void setEasyDateShowPos(int pos);
    QWidget *hWnd() { return this; }

    void ToDay();
    void ThisMonth();
    void ThisYear();
    void Refresh() {}

    void loadProperties(const PropertyStore &store);
    // Text1/Text2 equal to today are not written, so they read back as the
    // day of loading; pass the store of one save.
    void saveProperties(PropertyStore &store) const;

    // The design size, so that a host's layout gives the box its height.
    QSize sizeHint() const override;

    DateFrame *frame(int index) const { return m_frames[index]; }
    DateEdit *field(int index) const;
    QPushButton *presetsButton() const { return m_presets; }

    // Top-left corner of the presets dialog in twips for a box whose top-left
    // corner is at boxOrigin; nothing for a position that does not move it.
    static std::optional<QPointF> easyDateOrigin(int showPos, const QPointF &boxOrigin, qreal boxWidth,
                                                 qreal dialogWidth);

signals:
    void KeyDown(int &keyCode, int &shift);
    void KeyPress(int &keyAscii);
    void KeyUp(int &keyCode, int &shift);
    void Change();
    void Click();
    void DateClick();
    void propertyChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupFrame(DateFrame *frame);
    void applyOptions(const QString &changed);
    void setPeriod(const QString &start, const QString &end);
    void openPresets();

    DateFrame *m_frames[2];
    QPushButton *m_presets;
    DateControlOptions m_options;
    int m_easyDateShowPos = ShowAtLeft;
};
