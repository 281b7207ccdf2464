#include "PreviewPageDialog.h"

#include "EnterPressesButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

PreviewPageDialog::PreviewPageDialog(const QString &start, bool selected, int pageCount, QWidget *parent)
    : QDialog(parent), m_selected(selected)
{
    setObjectName(QStringLiteral("PreviewPageDialog"));
    setWindowTitle(QStringLiteral("페이지 이동"));
    auto *label = new QLabel(QStringLiteral("이동할 페이지 (1 - %1):").arg(pageCount), this);
    m_field = new QLineEdit(start, this);
    m_field->installEventFilter(this);
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
}

// The field selects its text when it takes the focus; once it has, the
// selection is set as the dialog was opened for.
bool PreviewPageDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, m_field, [this] {
            if (m_selected) {
                m_field->selectAll();
            } else {
                m_field->deselect();
                m_field->end(false);
            }
        });
    }
    return QDialog::eventFilter(watched, event);
}

int PreviewPageDialog::page() const { return m_field->text().toInt(); }
