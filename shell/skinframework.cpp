#include "shell/skinframework.h"

#include "mapdata/toolkit/failure.h"

#include <QFile>
#include <QStringDecoder>

namespace shell {

namespace {
constexpr int kSkinFileInvalid = 380;
constexpr qsizetype kMaxSkinFileBytes = 1024 * 1024;
constexpr int kNotSupported = 438;

[[noreturn]] void unsupported() {
    throw mapdata::Failure(kNotSupported,
                           QStringLiteral("Object doesn't support this property or method"));
}

[[noreturn]] void invalidSkin() {
    throw mapdata::Failure(kSkinFileInvalid, QStringLiteral("Invalid skin file"));
}
} // namespace

bool SkinFramework::isValidSkinText(const QByteArray &bytes, QString *text) {
    if (bytes.size() > kMaxSkinFileBytes || bytes.contains('\0'))
        return false;
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    int depth = 0;
    for (QChar c : decoded) {
        if (c == QLatin1Char('{'))
            ++depth;
        else if (c == QLatin1Char('}') && --depth < 0)
            return false;
    }
    if (depth != 0)
        return false;
    if (text)
        *text = decoded;
    return true;
}

void SkinFramework::LoadSkin(const QString &path, const QString &) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw mapdata::Failure::fileNotFound();
    const QByteArray bytes = file.read(kMaxSkinFileBytes + 1);
    QString text;
    if (!isValidSkinText(bytes, &text))
        invalidSkin();
    m_styleSheet = text;
}

void SkinFramework::ApplyWindow(std::int32_t) {
    if (!m_window || m_styleSheet.isEmpty())
        return;
    m_window->setStyleSheet(m_styleSheet);
}

QVariant SkinFramework::invoke(int dispId, const QVariantList &arguments) {
    switch (dispId) {
    case kSkinDispLoadSkin:
        LoadSkin(arguments.value(0).toString(), arguments.value(1).toString());
        return true;
    case kSkinDispApplyWindow:
        ApplyWindow(arguments.value(0).toInt());
        return true;
    default:
        unsupported();
    }
}

QVariant SkinFramework::property(int dispId) {
    switch (dispId) {
    case kSkinDispOptions: return m_options;
    case kSkinDispApplyOptions: return m_skinDialogs;
    case kSkinDispApplyColors: return m_useSkinPalette;
    default:
        unsupported();
    }
}

void SkinFramework::setProperty(int dispId, const QVariant &value) {
    switch (dispId) {
    case kSkinDispOptions: m_options = value.toInt(); break;
    case kSkinDispApplyOptions: m_skinDialogs = value.toBool(); break;
    case kSkinDispApplyColors: m_useSkinPalette = value.toBool(); break;
    default:
        unsupported();
    }
}

} // namespace shell
