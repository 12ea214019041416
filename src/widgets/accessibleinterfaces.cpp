// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/accessibleinterfaces.h"

#include "widgets/tlabel3d.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {
QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QAccessible::Role buttonRole(const QAbstractButton* button)
{
    if (qobject_cast<const QRadioButton*>(button) || (button->isCheckable() && button->autoExclusive()))
        return QAccessible::RadioButton;
    if (button->isCheckable())
        return QAccessible::CheckBox;
    return QAccessible::Button;
}

class AccessibleButton : public QAccessibleWidget
{
public:
    explicit AccessibleButton(QAbstractButton* button)
        : QAccessibleWidget(button, buttonRole(button))
    {}

    QAccessible::Role role() const override { return buttonRole(button()); }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = withoutMnemonic(button()->text());
        if (kind == QAccessible::Name && text.isEmpty())
            text = button()->toolTip();
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (button()->isCheckable()) {
            state.checkable = true;
            state.checked = button()->isChecked();
        }
        state.pressed = button()->isDown();
        if (const auto* push = qobject_cast<const QPushButton*>(button()))
            state.defaultButton = push->isDefault();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (!widget()->isEnabled())
            return;
        // A click, not a bare toggle, so that the handlers run; queued, so that a modal box opened
        // by a handler does not hold the caller until the box closes.
        QMetaObject::invokeMethod(
            button(), [target = QPointer<QAbstractButton>(button())] { target->click(); }, Qt::QueuedConnection);
    }

private:
    QAbstractButton* button() const { return qobject_cast<QAbstractButton*>(object()); }
};

class AccessibleLabel3D : public QAccessibleWidget
{
public:
    explicit AccessibleLabel3D(TLabel3D* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return qobject_cast<const TLabel3D*>(object())->text();
        if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->accessibleName();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* programAccessibleInterface(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<TLabel3D*>(object))
        return new AccessibleLabel3D(label);
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return new AccessibleButton(button);
    return nullptr;
}
} // namespace

void installAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programAccessibleInterface);
}
