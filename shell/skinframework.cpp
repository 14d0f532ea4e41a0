#include "shell/skinframework.h"

#include "mapdata/toolkit/failure.h"
#include "shell/regularfile.h"
#include "shell/skinsheet.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFileInfo>
#include <QStringDecoder>

namespace shell {

namespace {

constexpr int kInvalidSkinFile = 380;
constexpr int kNotSupported = 438;
constexpr int kInvalidArgument = 5;
const char kUnparsedSheetWarning[] = "Could not parse stylesheet";

[[noreturn]] void unsupported() {
    throw mapdata::Failure(
        kNotSupported,
        //: An error: the skin file (the window's look) asks for what the program cannot do.
        QCoreApplication::translate("ErrorBox", "Object doesn't support this property or method"));
}

[[noreturn]] void invalidSkin() {
    throw mapdata::Failure(kInvalidSkinFile,
                           //: An error: the skin file (the window's look) cannot be read.
                           QCoreApplication::translate("ErrorBox", "Invalid skin file"));
}

bool isAllowedControl(QChar c) {
    return c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\f') ||
           c == QLatin1Char('\r');
}

// Qt's public API has no parser for style sheets: a sheet it cannot parse shows only as the
// warning "Could not parse stylesheet" when a widget is polished with it. So the check polishes
// a throw-away widget while it listens for that warning. The listener is Qt's one message
// handler for the whole process, so it stays installed only around that polish, on the
// thread that owns the widgets, is put back even when the polish throws, and passes every
// other message on to the handler it replaced.
class RejectedSheetListener {
public:
    RejectedSheetListener() {
        s_rejected = false;
        s_previous = qInstallMessageHandler(&RejectedSheetListener::listen);
    }
    ~RejectedSheetListener() {
        qInstallMessageHandler(s_previous);
        s_previous = nullptr;
    }
    RejectedSheetListener(const RejectedSheetListener &) = delete;
    RejectedSheetListener &operator=(const RejectedSheetListener &) = delete;

    bool heardRejection() const { return s_rejected; }

private:
    static void listen(QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (message.contains(QLatin1String(kUnparsedSheetWarning))) {
            s_rejected = true;
            return;
        }
        // Qt 6 hands back its default handler when no other was installed.
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline bool s_rejected = false;
};

bool qtParses(const QString &sheet) {
    RejectedSheetListener listener;
    QWidget probe;
    probe.setStyleSheet(sheet);
    probe.ensurePolished();
    return !listener.heardRejection();
}

} // namespace

bool SkinFramework::parseSkin(const QByteArray &bytes, QString *styleSheet,
                              const QString &skinFolder) {
    if (bytes.size() > kMaxSkinFileBytes || bytes.contains('\0'))
        return false;
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    for (QChar c : text)
        if (c.category() == QChar::Other_Control && !isAllowedControl(c))
            return false;
    // A sheet without any braces would be taken as declarations for the window alone.
    if (!text.contains(QLatin1Char('{')))
        return false;
    // Before Qt sees the sheet at all: even the parse check below may load its pictures.
    const std::optional<QString> confined = confineSheetUrls(text, skinFolder);
    if (!confined || !qtParses(*confined))
        return false;
    if (styleSheet)
        *styleSheet = *confined;
    return true;
}

void SkinFramework::LoadSkin(const QString &path, const QString &) {
    const FileHead head = readRegularFile(path, kMaxSkinFileBytes);
    QString sheet;
    if (head.cut || !parseSkin(head.bytes, &sheet, QFileInfo(path).absolutePath()))
        invalidSkin();
    m_styleSheet = sheet;
}

void SkinFramework::ApplyWindow(mapdata::WindowHandle windowHandle) {
    if (!m_window || m_windowHandle != windowHandle)
        throw mapdata::Failure(
            kInvalidArgument,
            //: An error: the skin was applied to another window than its own.
            QCoreApplication::translate("ErrorBox", "Invalid procedure call or argument"));
    if (m_styleSheet.isEmpty())
        return;
    m_applied = true;
    if (m_options & kSkinOptionControls) {
        for (QObject *child : m_window->children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (widget && !widget->isWindow())
                skinWidget(widget);
        }
    }
    if (m_skinDialogs || m_skinNewControls)
        m_window->installEventFilter(this);
}

bool SkinFramework::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window && event->type() == QEvent::ChildPolished) {
        auto *widget = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child());
        if (widget) {
            const bool isDialog = widget->isWindow() && qobject_cast<QDialog *>(widget);
            if (isDialog ? m_skinDialogs : (m_skinNewControls && !widget->isWindow()))
                skinWidget(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

void SkinFramework::skinWidget(QWidget *widget) const {
    // A control that carries its own sheet keeps it.
    if (widget->styleSheet().isEmpty())
        widget->setStyleSheet(m_styleSheet);
}

QVariant SkinFramework::invoke(int dispId, const QVariantList &arguments) {
    switch (dispId) {
    case kSkinDispLoadSkin:
        LoadSkin(arguments.value(0).toString(), arguments.value(1).toString());
        return true;
    case kSkinDispApplyWindow: {
        bool isNumber = false;
        const mapdata::WindowHandle handle = arguments.value(0).toULongLong(&isNumber);
        // Zero is no window's handle: it stands for an argument that is no number.
        ApplyWindow(isNumber ? handle : 0);
        return true;
    }
    default: unsupported();
    }
}

QVariant SkinFramework::property(int dispId) {
    switch (dispId) {
    case kSkinDispOptions: return m_options;
    case kSkinDispSkinDialogs: return m_skinDialogs;
    case kSkinDispSkinNewControls: return m_skinNewControls;
    default: unsupported();
    }
}

void SkinFramework::setProperty(int dispId, const QVariant &value) {
    switch (dispId) {
    case kSkinDispOptions: m_options = value.toInt(); break;
    case kSkinDispSkinDialogs: m_skinDialogs = value.toBool(); break;
    case kSkinDispSkinNewControls: m_skinNewControls = value.toBool(); break;
    default: unsupported();
    }
}

} // namespace shell
