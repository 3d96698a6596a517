#include "drawing/AccessiblePress.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace tundle {
namespace {

class PressableInterface : public QAccessibleWidget {
public:
    PressableInterface(QWidget* widget, const AccessiblePress& press)
        : QAccessibleWidget(widget, press.role()), press_(press) {}

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            press_.press();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    const AccessiblePress& press_;
};

QAccessibleInterface* pressableFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* press =
        widget ? widget->findChild<AccessiblePress*>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
    return press ? new PressableInterface(widget, *press) : nullptr;
}

}  // namespace

AccessiblePress::AccessiblePress(QWidget& widget, QAccessible::Role role,
                                 std::function<void()> press)
    : QObject(&widget), role_(role), press_(std::move(press)) {
    static const bool installed = [] {
        QAccessible::installFactory(pressableFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace tundle
