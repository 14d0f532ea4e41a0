#include "accessibilityrecorder.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QCoreApplication>
#include <QtPlugin>

namespace a11y {

std::vector<HeardEvent> &heard() {
    static std::vector<HeardEvent> events;
    return events;
}

namespace {

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override {
        HeardEvent heardEvent{event->type(), QString(), QString(), QString(), QString()};
        if (event->object())
            heardEvent.objectName = event->object()->objectName();
        if (QAccessibleInterface *iface = event->accessibleInterface()) {
            heardEvent.name = iface->text(QAccessible::Name);
            heardEvent.description = iface->text(QAccessible::Description);
        }
        if (event->type() == QAccessible::ValueChanged)
            heardEvent.value =
                static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
        heard().push_back(heardEvent);
    }
};

} // namespace

} // namespace a11y

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "accessibilityrecorder.json")
public:
    QAccessibleBridge *create(const QString &) override {
        // Qt keeps its bridges to the end and deletes them only in its accessibility cleanup.
        qAddPostRoutine(&QAccessible::cleanup);
        return new a11y::RecordingBridge;
    }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

#include "accessibilityrecorder.moc"
