#include "LabelledFields.h"

#include "CaptionPanel.h"
#include "HCText.h"
#include "HCTextColor.h"
#include "NumberText.h"
#include "PropertyStore.h"
#include "ShellUtils.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

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

// A field shows up to this many bytes at once; longer ones scroll.
constexpr int WidestShownBytes = 60;

// Wide enough for its maximum length in hangul (two bytes a syllable) or in
// small latin letters, and a number field for its widest figure (a separator
// or sign is never wider than a digit), with one syllable more for the box's
// frame and margins.
int fieldWidth(const HCText &field, const LabelledFields::FieldDesign &design)
{
    const QFontMetrics metrics(field.txtBox()->font());
    const int bytes = std::min(std::max(design.maxLength, 4), WidestShownBytes);
    const int syllable = metrics.horizontalAdvance(QStringLiteral("가"));
    int text = std::max(metrics.horizontalAdvance(QString(bytes, QLatin1Char('n'))), (bytes + 1) / 2 * syllable);
    if (design.kind != LabelledFields::Kind::Text)
        text = std::max(text, metrics.horizontalAdvance(QString(design.maxLength, QLatin1Char('9'))));
    return text + syllable;
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
        field->setMinimumWidth(fieldWidth(*field, design));
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
        layout->addWidget(field, i, 1, Qt::AlignLeft); // each field as wide as its own length
    }
}

QString LabelledFields::text(int index) const { return m_fields.at(index)->text(); }

void LabelledFields::setText(int index, const QString &text)
{
    m_fields.at(index)->setText(text);
    m_fields.at(index)->txtBox()->setCursorPosition(0); // a long text shows from its start
}

double LabelledFields::number(int index) const { return LeadingNumber(text(index).remove(QLatin1Char(','))); }

void LabelledFields::clear()
{
    for (HCText *field : m_fields)
        field->setText(field->acceptType() == 1 ? QStringLiteral("0") : QString());
}

void LabelledFields::lock(int index)
{
    HCText *field = m_fields.at(index);
    if (!field->locked())
        m_unlockedLooks.insert(
            index, {field->focusEffect(), field->backColor(), field->focusPolicy(), field->txtBox()->focusPolicy()});
    field->setLocked(true);
    field->setFocusEffect(false);
    field->setBackColor(HCTextColor::LightGrey);
    field->setFocusPolicy(Qt::ClickFocus);
    field->txtBox()->setFocusPolicy(Qt::ClickFocus);
}

void LabelledFields::unlock(int index)
{
    if (!m_unlockedLooks.contains(index))
        return;
    const Look look = m_unlockedLooks.take(index);
    HCText *field = m_fields.at(index);
    field->setLocked(false);
    field->setFocusEffect(look.focusEffect);
    field->setBackColor(look.backColor);
    field->setFocusPolicy(look.focus);
    field->txtBox()->setFocusPolicy(look.boxFocus);
}

void LabelledFields::focusFirstEditable()
{
    const auto editable = std::find_if(m_fields.cbegin(), m_fields.cend(),
                                       [](const HCText *field) { return !field->isHidden() && !field->locked(); });
    if (editable != m_fields.cend())
        (*editable)->setFocus(Qt::OtherFocusReason);
}

bool LabelledFields::checkRequired(int index, const QString &label) const
{
    return CheckRequired(m_fields.at(index), text(index), label);
}

void LabelledFields::focusToCorrect(int index)
{
    HCText *field = m_fields.at(index);
    SafeSetFocus(field);
    field->txtBox()->selectAll();
}

QString SqlNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}
