#pragma once

#include "mapdata/toolkit/form.h"
#include "shell/platform.h"

#include <QVariant>

#include <cstdint>

namespace shell {

// A component addressed by dispatch identifiers, as the skin component is.
class DispatchObject {
public:
    virtual ~DispatchObject() = default;
    virtual QVariant invoke(int dispId, const QVariantList &arguments) = 0;
    virtual QVariant property(int dispId) = 0;
    virtual void setProperty(int dispId, const QVariant &value) = 0;
};

// Dispatch identifiers of the skin component (what each means: skinframework.h).
constexpr int kSkinDispOptions = 1;
constexpr int kSkinDispLoadSkin = 2;
constexpr int kSkinDispApplyWindow = 3;
constexpr int kSkinDispSkinDialogs = 5;
constexpr int kSkinDispSkinNewControls = 10;
// The option bit the program sets: skin the window's controls.
constexpr std::int32_t kSkinOptionControls = 1;

// Skins the window when the skin file lies beside the program: the window and its
// labels take the button-face colour, then the component loads and applies the skin.
// Failures propagate to the caller's trap.
void ApplySkin(const QString &appFolder, const FileSystem &files, mapdata::Form &form,
               DispatchObject &skinFramework);

} // namespace shell
