#pragma once
#include <QHash>
#include <QString>
#include <QVector>

class CaptionPanel;
class HCText;
class QGridLayout;
class QWidget;

// The indexed input fields of a data-entry window (htField(0), htField(1), ...),
// each a formatted text box with its caption panel, created from a property
// store so that every field behaves as its kind asks.
class LabelledFields {
public:
    enum class Kind { Text, Number, Integer };
    struct FieldDesign {
        QString label; // panel caption; "*" marks a required field; empty: no panel
        Kind kind = Kind::Text;
        int maxLength = 0;
    };

    LabelledFields(QWidget *window, QGridLayout *layout, const QVector<FieldDesign> &designs);

    HCText *field(int index) const { return m_fields.at(index); }
    int count() const { return static_cast<int>(m_fields.size()); }
    QString text(int index) const;
    void setText(int index, const QString &text);
    // The value of a number field: separators dropped, then read as a leading number.
    double number(int index) const;
    // Numbers back to "0", everything else empty.
    void clear();
    // A field the operator reads but cannot change: it looks read-only and
    // Tab passes it by.
    void lock(int index);
    // Gives a locked field back to the operator, as it was before lock().
    void unlock(int index);
    // True when a required field is empty: the operator has been told which
    // (label) and the field has the focus.
    bool checkRequired(int index, const QString &label) const;
    // Focus to the first field the operator can change.
    void focusFirstEditable();
    // After a refusal: the focus to the field to correct, its text selected.
    void focusToCorrect(int index);

private:
    struct Look {
        bool focusEffect;
        int backColor;
        Qt::FocusPolicy focus;
        Qt::FocusPolicy boxFocus;
    };
    QVector<HCText *> m_fields;
    QHash<int, Look> m_unlockedLooks;
};

// The shortest decimal form of a number, as statements carry it.
QString SqlNumber(double value);
