#include "LabelledFields.h"

#include "CaptionPanel.h"
#include "HCText.h"
#include "NumberText.h"
#include "PropertyStore.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>

namespace {
PropertyStore designFor(const LabelledFields::FieldDesign &design)
{
    PropertyStore store;
    const bool number = design.kind != LabelledFields::Kind::Text;
    store.setValue(QStringLiteral("AcceptType"), number ? 1 : 0);
    store.setValue(QStringLiteral("ShowSeparate"), design.kind == LabelledFields::Kind::Number);
    store.setValue(QStringLiteral("MaxLength"), design.maxLength);
    store.setValue(QStringLiteral("FocusEffect"), true);
    return store;
}

// "*상 호 명" is announced as "상호".
QString accessibleName(const QString &label)
{
    QString name = label;
    name.remove(QLatin1Char('*'));
    name.remove(QLatin1Char(' '));
    return name;
}
} // namespace

LabelledFields::LabelledFields(QWidget *window, QGridLayout *layout, const QVector<FieldDesign> &designs)
{
    for (int i = 0; i < designs.size(); ++i) {
        const FieldDesign &design = designs[i];
        auto *field = new HCText(window);
        field->setObjectName(QStringLiteral("htField_%1").arg(i));
        field->setProperty("Index", i);
        field->loadProperties(designFor(design));
        m_fields << field;
        if (design.label.isEmpty()) {
            field->hide();
            continue;
        }
        auto *panel = new CaptionPanel(design.label, window);
        panel->setMinimumWidth(90);
        field->setAccessibleName(accessibleName(design.label));
        field->txtBox()->setAccessibleName(accessibleName(design.label));
        layout->addWidget(panel, i, 0);
        layout->addWidget(field, i, 1);
    }
}

QString LabelledFields::text(int index) const { return m_fields.at(index)->property("Text").toString(); }

void LabelledFields::setText(int index, const QString &text)
{
    m_fields.at(index)->setProperty("Text", text);
}

double LabelledFields::number(int index) const
{
    return LeadingNumber(text(index).remove(QLatin1Char(',')));
}

void LabelledFields::clear()
{
    for (HCText *field : m_fields)
        field->setProperty("Text", field->acceptType() == 1 ? QStringLiteral("0") : QString());
}

QString SqlNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}
