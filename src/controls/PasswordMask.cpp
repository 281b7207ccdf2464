#include "PasswordMask.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace {

// The platform style with another password character.
class PasswordMaskStyle : public QProxyStyle {
public:
    PasswordMaskStyle(QChar mask, QObject *owner) : m_mask(mask) { setParent(owner); }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return m_mask.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar m_mask;
};

} // namespace

void ShowPasswordMask(QLineEdit *box, const QString &mask)
{
    QStyle *previous = box->findChild<PasswordMaskStyle *>(QString(), Qt::FindDirectChildrenOnly);
    if (mask.isEmpty()) {
        box->setEchoMode(QLineEdit::Normal);
        box->setStyle(nullptr);
    } else {
        box->setStyle(new PasswordMaskStyle(mask.at(0), box));
        box->setEchoMode(QLineEdit::Password);
    }
    delete previous;
}
