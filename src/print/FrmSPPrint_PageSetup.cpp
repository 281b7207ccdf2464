#include "FrmSPPrint_PageSetup.h"

#include "EnterPressesButton.h"
#include "FrmSPPrint_HeaderFooter.h"
#include "PreviewZoom.h"
#include "PrintSession.h"
#include "PrintSettings.h"
#include "SpreadGrid.h"
#include "modSpreadPrint.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
const char *const MarginCaptions[] = {"Left:", "Right:", "Top:", "Bottom:"};

QString unfilledToZero(QString text) { return text.replace(QLatin1Char('_'), QLatin1Char('0')); }
} // namespace

FrmSPPrint_PageSetup::FrmSPPrint_PageSetup(PrintSession &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("FrmSPPrint_PageSetup"));
    setWindowTitle(QStringLiteral("Setup"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildHeaderFrame());
    layout->addWidget(buildMarginFrame());
    layout->addWidget(buildZoomFrame());
    layout->addWidget(buildOrientationFrame());
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &FrmSPPrint_PageSetup::accept);
    connect(cancel, &QPushButton::clicked, this, &FrmSPPrint_PageSetup::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    PressButtonsOnEnter(this);
    ok->setDefault(true); // Enter in a field still confirms
    load();
}

QWidget *FrmSPPrint_PageSetup::buildHeaderFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("머릿말/꼬릿말 설정"), this);
    auto *button = new QPushButton(QStringLiteral("머릿말/꼬릿말 변경"), frame);
    connect(button, &QPushButton::clicked, this, [this] {
        FrmSPPrint_HeaderFooter editor(m_session, this);
        editor.exec();
    });
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(button);
    layout->addStretch();
    return frame;
}

QWidget *FrmSPPrint_PageSetup::buildMarginFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("여백 설정 (inch) - 페이지 맞춤시 적용안됨"), this);
    auto *layout = new QGridLayout(frame);
    for (int i = 0; i < 4; ++i) {
        auto *box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("pagemargin_%1").arg(i));
        box->setInputMask(QStringLiteral("0.00;_"));
        box->setFixedWidth(60);
        box->installEventFilter(this);
        m_pagemargin[i] = box;
        auto *label = new QLabel(QString::fromLatin1(MarginCaptions[i]), frame);
        label->setBuddy(box);
        layout->addWidget(label, i / 2, (i % 2) * 2);
        layout->addWidget(box, i / 2, (i % 2) * 2 + 1);
    }
    return frame;
}

QWidget *FrmSPPrint_PageSetup::buildZoomFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("미리보기 확대 설정"), this);
    m_combo = new QComboBox(frame);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    auto *label = new QLabel(QStringLiteral("Zoom:"), frame);
    label->setBuddy(m_combo);
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(m_combo, 1);
    return frame;
}

QWidget *FrmSPPrint_PageSetup::buildOrientationFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("출력 방향 - 페이지 맞춤시 적용안됨"), this);
    m_porientation[Portrait] = new QRadioButton(QStringLiteral("세로"), frame);
    m_porientation[Landscape] = new QRadioButton(QStringLiteral("가로"), frame);
    m_picture = new QLabel(frame);
    m_picture->setFixedSize(48, 48);
    for (QRadioButton *button : m_porientation)
        connect(button, &QRadioButton::toggled, this, &FrmSPPrint_PageSetup::showOrientationPicture);
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(m_picture);
    layout->addWidget(m_porientation[Portrait]);
    layout->addWidget(m_porientation[Landscape]);
    layout->addStretch();
    return frame;
}

void FrmSPPrint_PageSetup::load()
{
    const SpreadGrid *grid = m_session.grid();
    if (!grid)
        return;
    const SpreadPrintSettings &print = grid->Print();
    const bool fitted = print.PrintScalingMethod != 0;
    for (QRadioButton *button : m_porientation)
        button->setEnabled(!fitted);
    for (QLineEdit *box : m_pagemargin)
        box->setEnabled(!fitted);
    const int twips[4] = {print.PrintMarginLeft, print.PrintMarginRight, print.PrintMarginTop, print.PrintMarginBottom};
    for (int i = 0; i < 4; ++i)
        m_pagemargin[i]->setText(QString::number(twips[i] / double(PrintSettings::TwipsPerInch), 'f', 2));
    m_porientation[print.PrintOrientation == PrintOrientationLandscape ? Landscape : Portrait]->setChecked(true);
    m_combo->addItems(PreviewZoom::listTexts());
    const int zoomType = m_session.zoomType();
    m_combo->setCurrentIndex(zoomType >= 0 && zoomType < PreviewZoom::Count ? zoomType : -1);
    showOrientationPicture();
}

bool FrmSPPrint_PageSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < 4; ++i) {
            if (watched == m_pagemargin[i])
                pagemarginLostFocus(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmSPPrint_PageSetup::pagemarginLostFocus(int index)
{
    QLineEdit *box = m_pagemargin[index];
    box->setText(unfilledToZero(box->displayText()));
}

double FrmSPPrint_PageSetup::marginInches(int index) const
{
    return PrintSettings::leadingNumber(unfilledToZero(m_pagemargin[index]->displayText()));
}

void FrmSPPrint_PageSetup::accept()
{
    SpreadGrid *grid = m_session.grid();
    if (!grid) {
        QDialog::accept();
        return;
    }
    const int zoomType = m_combo->currentIndex();
    SetPreviewZoom(m_session, zoomType);
    m_session.setZoomType(zoomType);

    SpreadPrintSettings &print = grid->Print();
    auto twips = [this](int index) {
        return static_cast<int>(std::lround(marginInches(index) * PrintSettings::TwipsPerInch));
    };
    print.PrintMarginTop = twips(MarginTop);
    print.PrintMarginBottom = twips(MarginBottom);
    print.PrintMarginLeft = twips(MarginLeft);
    print.PrintMarginRight = twips(MarginRight);
    print.PrintOrientation = m_porientation[Portrait]->isChecked() ? PrintOrientationPortrait
                                                                   : PrintOrientationLandscape;

    const PrintSettings settings = m_session.settings();
    settings.saveMargin(PrintMargin::Top, marginInches(MarginTop));
    settings.saveMargin(PrintMargin::Bottom, marginInches(MarginBottom));
    settings.saveMargin(PrintMargin::Left, marginInches(MarginLeft));
    settings.saveMargin(PrintMargin::Right, marginInches(MarginRight));
    settings.saveOrientation(print.PrintOrientation);
    settings.saveZoomType(zoomType);
    QDialog::accept();
}

void FrmSPPrint_PageSetup::showOrientationPicture()
{
    const bool landscape = m_porientation[Landscape]->isChecked();
    QPixmap pixmap(m_picture->size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRectF page = landscape ? QRectF(4, 12, 40, 28) : QRectF(10, 4, 28, 40);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    for (int line = 1; line <= 4; ++line) {
        const double y = page.top() + line * page.height() / 6;
        painter.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
    }
    painter.end();
    m_picture->setPixmap(pixmap);
}
