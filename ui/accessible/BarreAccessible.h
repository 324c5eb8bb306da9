#pragma once
// A scroll bar of the main window as a screen reader sees it: its value said
// as the caption beside it means it ("1,8 Hz"), in the interface's language,
// and set through the reader as its arrows would.

#include <QAccessibleWidget>

class QScrollBar;

namespace vibralume {

class BarreAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BarreAccessible(QScrollBar* barre);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& valeur) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    QScrollBar* barre() const;
};

} // namespace vibralume
