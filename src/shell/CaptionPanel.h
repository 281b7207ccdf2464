#pragma once
#include <QLabel>

// A captioned 3-D panel used for captions and field labels; the house style
// recolours it by its back colour.
class CaptionPanel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    // The designed back colour of field labels.
    static constexpr quint32 DesignBackColor = 8421376;

    explicit CaptionPanel(const QString &caption, QWidget *parent = nullptr);

    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 bgr);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 bgr);

private:
    void applyColours();

    quint32 m_backColor = DesignBackColor;
    quint32 m_foreColor = 0xFFFFFF;
};
