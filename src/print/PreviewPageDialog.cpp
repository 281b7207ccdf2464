#include "PreviewPageDialog.h"

#include "EnterPressesButton.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PreviewPageDialog::PreviewPageDialog(const QString &typed, int pageCount, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PreviewPageDialog"));
    setWindowTitle(QStringLiteral("페이지 이동"));
    auto *label = new QLabel(QStringLiteral("이동할 페이지 (1 - %1):").arg(pageCount), this);
    m_field = new QLineEdit(typed, this);
    m_field->setValidator(new QIntValidator(1, pageCount, m_field));
    m_field->setMaxLength(static_cast<int>(QString::number(pageCount).size()));
    label->setBuddy(m_field);
    auto *go = new QPushButton(QStringLiteral("이동"), this);
    auto *cancel = new QPushButton(QStringLiteral("취소"), this);
    connect(go, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(go);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_field);
    layout->addLayout(buttons);
    PressButtonsOnEnter(this);
    go->setDefault(true); // Enter in the field goes to the page
    m_field->setFocus();
    m_field->deselect();
    m_field->end(false);
}

int PreviewPageDialog::page() const { return m_field->text().toInt(); }
