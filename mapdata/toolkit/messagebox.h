#pragma once

#include <QString>

class QWidget;

namespace mapdata {

// Message-box style flags: one OK button with the named icon.
constexpr int kMsgBoxOkExclamation = 48;
constexpr int kMsgBoxOkInformation = 64;

// Modal message boxes; returns when the user has dismissed the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void msgBox(const QString &prompt, int style, const QString &title) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void msgBox(const QString &prompt, int style, const QString &title) override;

private:
    QWidget *m_parent;
};

} // namespace mapdata
