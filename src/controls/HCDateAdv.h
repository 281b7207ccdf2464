#pragma once
#include "SingleDateControl.h"

class DateFrame;

// The date box with day up/down: field, up/down and calendar button inside a
// grey frame. The date check runs before the focus leaves the field: a failed
// check keeps the focus and refuses the click that would have taken it.
// Properties, methods and events: SingleDateControl.
class HCDateAdv : public SingleDateControl {
    Q_OBJECT
public:
    explicit HCDateAdv(QWidget *parent = nullptr);

    DateFrame *frame() const { return m_frame; }

protected:
    void setPartsEnabled(bool enabled) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    HCDateAdv(DateFrame *frame, QWidget *parent);

    DateFrame *m_frame;
};
