#include "widgets/click_label_accessible.h"

#include "widgets/click_label.h"

namespace lernwerk {

namespace {

QAccessible::Role roleOf(const ClickLabel* label)
{
    return label->text().isEmpty() ? QAccessible::Button : QAccessible::Link;
}

}  // namespace

ClickLabelAccessible::ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label) {}

QAccessible::Role ClickLabelAccessible::role() const { return roleOf(static_cast<const ClickLabel*>(widget())); }

QString ClickLabelAccessible::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty())
        return static_cast<const ClickLabel*>(widget())->text();
    return own;
}

QStringList ClickLabelAccessible::actionNames() const { return {pressAction()}; }

void ClickLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        emit static_cast<ClickLabel*>(widget())->clicked();
}

QAccessibleInterface* ClickLabelAccessible::make(const QString& className, QObject* object)
{
    if (className == QLatin1String("lernwerk::ClickLabel"))
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

}  // namespace lernwerk
