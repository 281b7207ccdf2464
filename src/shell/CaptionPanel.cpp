#include "CaptionPanel.h"

#include "BgrColor.h"

CaptionPanel::CaptionPanel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setMargin(3); // the caption never touches the raised edge
    setAutoFillBackground(true);
    applyColours();
}

void CaptionPanel::setBackColor(quint32 bgr)
{
    m_backColor = bgr;
    applyColours();
}

void CaptionPanel::setForeColor(quint32 bgr)
{
    m_foreColor = bgr;
    applyColours();
}

void CaptionPanel::applyColours()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorFromBgr(m_backColor));
    p.setColor(QPalette::WindowText, ColorFromBgr(m_foreColor));
    setPalette(p);
}
