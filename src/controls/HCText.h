#pragma once
#include "HCTextFinishing.h"
#include "HCTextFrame.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QKeyEvent;
class QInputMethodEvent;
class QDropEvent;
class PropertyStore;

// The formatted single-line text box of the screens: an inner edit box txtBox
// in a frame of four lines, with a choice of admitted characters, live
// thousands separators, telephone/time formatting on leaving, a byte limit in
// CP949, case conversion, Enter/arrow focus movement and a changed flag.
//
// The inner box's key and change events are passed to the host first; the key
// arguments are references, so a host connected directly can cancel a key by
// setting it to 0.
class HCText : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(qulonglong hWnd READ hWnd STORED false)
    Q_PROPERTY(int ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(int ConvertCase READ convertCase WRITE setConvertCase)
    Q_PROPERTY(int AcceptType READ acceptType WRITE setAcceptType)
    Q_PROPERTY(bool ShowSeparate READ showSeparate WRITE setShowSeparate)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(bool bChanged READ bChanged)
    Q_PROPERTY(int IMEMode READ imeMode WRITE setIMEMode)
    Q_PROPERTY(int DecPlace READ decPlace WRITE setDecPlace)
    Q_PROPERTY(QString PasswordChar READ passwordChar WRITE setPasswordChar)
    Q_PROPERTY(bool AutoTab READ autoTab WRITE setAutoTab)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(bool FocusEffect READ focusEffect WRITE setFocusEffect)
    Q_PROPERTY(int FocusEffectParam READ focusEffectParam WRITE setFocusEffectParam)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int TopMagin READ topMagin WRITE setTopMagin)
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart STORED false)
    Q_PROPERTY(int EdgeWidth READ edgeWidth WRITE setEdgeWidth)
    Q_PROPERTY(int EdgeColor READ edgeColor WRITE setEdgeColor)
    Q_PROPERTY(bool EdgeFocus READ edgeFocus WRITE setEdgeFocus)
    Q_PROPERTY(int EdgeFocusColor READ edgeFocusColor WRITE setEdgeFocusColor)

public:
    static constexpr int DefaultFocusEffectParam = 12640511; // &HC0E0FF
    static constexpr int DefaultEdgeColor = 16777215;        // white

    explicit HCText(QWidget *parent = nullptr);

    // Life cycle with the host window's property store.
    void initNewInstance();
    void loadProperties(const PropertyStore &store);
    void saveProperties(PropertyStore &store) const;

    // "HH:MM" from a short time entry (9, 14, 1425, 14:25); "" for an entry
    // that is not a time (with a message when it looked like one).
    QString FormatTime(const QString &sTime) const;

    QLineEdit *txtBox() const { return m_box; }
    const HCTextEdge &lineEdge(int index) const { return m_edges.at(static_cast<size_t>(index)); }
    int surfaceColor() const { return m_surfaceColor; }

    qulonglong hWnd() const;
    int foreColor() const { return m_foreColor; }
    void setForeColor(int color);
    QString text() const;
    void setText(const QString &text);
    int convertCase() const { return m_convertCase; }
    void setConvertCase(int value);
    int acceptType() const { return m_acceptType; }
    void setAcceptType(int value);
    bool showSeparate() const { return m_showSeparate; }
    void setShowSeparate(bool on);
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int value);
    bool locked() const;
    void setLocked(bool on);
    bool bChanged() const { return m_changed; }
    int imeMode() const { return m_boxImeMode; }
    void setIMEMode(int mode);
    int decPlace() const { return m_decPlace; }
    void setDecPlace(int places);
    QString passwordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString &mask);
    bool autoTab() const { return m_autoTab; }
    void setAutoTab(bool on);
    int appearance() const { return m_appearance; }
    void setAppearance(int value);
    bool focusEffect() const { return m_focusEffect; }
    void setFocusEffect(bool on);
    int focusEffectParam() const { return m_focusEffectParam; }
    void setFocusEffectParam(int color);
    int backColor() const { return m_backColor; }
    void setBackColor(int color);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int value);
    int topMagin() const { return m_topMagin; }
    void setTopMagin(int twips);
    int selStart() const;
    void setSelStart(int position);
    int edgeWidth() const { return m_edgeWidth; }
    void setEdgeWidth(int pixels);
    int edgeColor() const { return static_cast<int>(m_edgeColor); }
    void setEdgeColor(int color);
    bool edgeFocus() const { return m_edgeFocus; }
    void setEdgeFocus(bool on);
    int edgeFocusColor() const { return static_cast<int>(m_edgeFocusColor); }
    void setEdgeFocusColor(int color);

    QSize sizeHint() const override;

signals:
    void KeyPress(int &KeyAscii);
    void KeyUp(int &KeyCode, int &Shift);
    void KeyDown(int &KeyCode, int &Shift);
    void Change();
    void Click();
    void DblClick();
    // A property was set, so a designer knows to save it.
    void propertyChanged(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class FocusMove { None, Next, Previous };
    // What the key rules left of typed characters, and whether one was refused.
    struct Filtered {
        QString accepted;
        bool refused = false;
    };

    bool boxKeyPress(QKeyEvent *event);
    bool boxKeyRelease(QKeyEvent *event);
    bool boxInputMethod(QInputMethodEvent *event);
    void applyKeyDownRules(int keyCode);
    QString typedText(const QKeyEvent &event) const;
    Filtered filterTyped(const QString &typed);
    bool fitsCharLimit() const;
    bool deliver(const QString &accepted);
    void pasteAsTyped(const QString &text);
    void showContextMenu(const QPoint &globalPos);
    bool dropAsTyped(QDropEvent *event);
    void movePendingFocus();
    void boxTextChanged();
    void boxFocusIn();
    void boxFocusOut();
    void finishOnLeave();
    void setFinishedText(const HCTextFinishing::Result &finished, const QString &failureTitle);
    static void informOfFailure(const QString &failure, const QString &title);
    void fitInputSilently();
    bool fitsByteLimit(const QString &text) const;
    void setBoxText(const QString &text);
    void setBoxBackColor(int color);
    void setSurfaceColor(int color);
    void setBoxImeMode(int mode);
    void setEdgeStyle(int width, int color);
    void updateEdgeVisibility();
    void layoutFrame();
    void notify(const char *name);
    bool ownEnabled() const;
    QFont ambientFont() const;

    QLineEdit *m_box;
    std::array<HCTextEdge, 4> m_edges;
    int m_foreColor;
    int m_backColor;
    int m_surfaceColor;
    int m_convertCase = 0;
    int m_acceptType = 0;
    bool m_showSeparate = false;
    int m_maxLength = 0;
    bool m_changed = false;
    int m_boxImeMode = 0;
    int m_rememberedImeMode = 0;
    int m_decPlace = 0;
    QString m_passwordChar;
    bool m_autoTab = true;
    int m_appearance = 1;
    int m_borderStyle = 1;
    bool m_focusEffect = false;
    int m_focusEffectParam = DefaultFocusEffectParam;
    int m_topMagin = 0;
    int m_edgeWidth = 1;
    double m_edgeColor = DefaultEdgeColor;
    bool m_edgeFocus = false;
    double m_edgeFocusColor = DefaultEdgeColor;
    QString m_lastFitting;       // the box's last text within the byte limit
    bool m_reformatting = false; // the box's text is being set by the control itself
    bool m_loading = false;
    bool m_hasFocus = false; // between a field's focus gain and its focus loss
    FocusMove m_pendingMove = FocusMove::None;
};
