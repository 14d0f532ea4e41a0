#pragma once

#include "shell/skin.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace shell {

// The skin component. A skin file is a Qt style sheet in UTF-8 text. Loading reads
// and checks it; applying it to the window sets it on the window's widget, which
// styles the window's windowed controls. The option flags (dispatch 1) and the two
// switches (dispatch 5 and 10) are kept as set.
class SkinFramework : public DispatchObject {
public:
    explicit SkinFramework(QWidget *window) : m_window(window) {}

    QVariant invoke(int dispId, const QVariantList &arguments) override;
    QVariant property(int dispId) override;
    void setProperty(int dispId, const QVariant &value) override;

    void LoadSkin(const QString &path, const QString &iniName);
    void ApplyWindow(std::int32_t windowHandle);

    const QString &styleSheet() const { return m_styleSheet; }
    std::int32_t options() const { return m_options; }
    bool skinsDialogs() const { return m_skinDialogs; }
    bool usesSkinPalette() const { return m_useSkinPalette; }

    // The checks a skin file must pass: text, not binary, with balanced braces.
    static bool isValidSkinText(const QByteArray &bytes, QString *text);

private:
    QPointer<QWidget> m_window;
    QString m_styleSheet;
    std::int32_t m_options = 0;
    bool m_skinDialogs = false;
    bool m_useSkinPalette = false;
};

} // namespace shell
