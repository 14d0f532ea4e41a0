#pragma once

#include "shell/skin.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace shell {

// The skin component, `SkinFramework1` on the quiz window, reached only through dispatch
// identifiers (see skin.h).
//
// Skin file format: a Qt style sheet (https://doc.qt.io/qt-6/stylesheet-reference.html) in
// UTF-8 text, optionally starting with a byte-order mark, at most kMaxSkinFileBytes long. It
// must hold at least one rule with a selector and a block in braces, no NUL or other control
// characters besides tab, line feed, form feed and carriage return, and Qt must parse it without
// complaint. Every url() it holds must name a regular file inside the skin file's folder, all of
// them together at most kMaxSkinPictureBytes (skinsheet.h). Anything else is refused by the load
// call with failure 380 "Invalid skin file"; a file that is missing or no regular file raises
// what readRegularFile raises. A refused skin leaves the component as
// it was, so a later apply call changes nothing.
//
// Applying the skin to the window (dispatch 3, with the window's handle) never styles the window
// itself: the window paints its map, panel and labels and keeps the colours the program gives it.
// What is styled depends on the settings, read when the skin is applied:
//   option flags, dispatch 1, bit kSkinOptionControls (1): the windowed controls that the window
//       holds at that moment (push buttons, text box) and their own children;
//   dispatch 5, kSkinDispSkinDialogs (Boolean): dialogs the window opens afterwards, such as its
//       message boxes, as they are first polished;
//   dispatch 10, kSkinDispSkinNewControls (Boolean): windowed controls added to the window
//       afterwards, as they are first polished.
// All three start off. Once applied, the skin stays for the life of the window.
class SkinFramework : public QObject, public DispatchObject {
public:
    // Skin files are small; this bound keeps a wrong file from being read whole.
    static constexpr qsizetype kMaxSkinFileBytes = 1024 * 1024;

    // The window and the handle it reports (its form's hWnd()).
    SkinFramework(QWidget *window, mapdata::WindowHandle windowHandle)
        : m_window(window), m_windowHandle(windowHandle) {}

    QVariant invoke(int dispId, const QVariantList &arguments) override;
    QVariant property(int dispId) override;
    void setProperty(int dispId, const QVariant &value) override;

    // Dispatch 2. The second argument names a section of a skin package; style sheets have
    // none, so it is not used.
    void LoadSkin(const QString &path, const QString &iniName);
    // Dispatch 3. Raises a failure when the handle is not that of the component's window.
    void ApplyWindow(mapdata::WindowHandle windowHandle);

    const QString &styleSheet() const { return m_styleSheet; }
    std::int32_t options() const { return m_options; }
    bool skinsDialogs() const { return m_skinDialogs; }
    bool skinsNewControls() const { return m_skinNewControls; }
    bool isApplied() const { return m_applied; }

    // The style sheet in a skin file's bytes, its url()s made full paths; false when they are
    // not a skin. Without a folder, a sheet that names any file is not one.
    static bool parseSkin(const QByteArray &bytes, QString *styleSheet,
                          const QString &skinFolder = QString());

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void skinWidget(QWidget *widget) const;

    QPointer<QWidget> m_window;
    mapdata::WindowHandle m_windowHandle;
    QString m_styleSheet;
    std::int32_t m_options = 0;
    bool m_skinDialogs = false;
    bool m_skinNewControls = false;
    bool m_applied = false;
};

} // namespace shell
