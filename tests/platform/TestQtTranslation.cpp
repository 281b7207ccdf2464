#include "QtTranslation.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

// Qt's own buttons speak Korean once the translation is installed.
class TestQtTranslation : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsAreKorean()
    {
        QVERIFY(InstallQtTranslation());
        QMessageBox box(QMessageBox::Question, QStringLiteral("제목"), QStringLiteral("질문"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
        for (QMessageBox::StandardButton which :
             {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel}) {
            const QString caption = box.button(which)->text();
            bool hangul = false;
            for (const QChar c : caption)
                hangul = hangul || (c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3);
            QVERIFY2(hangul, qPrintable(caption));
        }
    }
};

QTEST_MAIN(TestQtTranslation)
#include "TestQtTranslation.moc"
