#include "shell/skin.h"

#include "shell/appfiles.h"

namespace shell {

void ApplySkin(const QString &appFolder, const FileSystem &files, mapdata::Form &form,
               DispatchObject &skinFramework) {
    if (!files.isNormalFile(appPath(appFolder, kSkinFileName)))
        return;
    form.setBackColor(mapdata::kColorButtonFace);
    for (mapdata::Control *control : form.stackingOrder())
        if (control->kind() == mapdata::ControlKind::Label)
            control->setBackColor(mapdata::kColorButtonFace);

    skinFramework.invoke(kSkinDispLoadSkin, {appPath(appFolder, kSkinFileName), QString()});
    const std::int32_t options = skinFramework.property(kSkinDispOptions).toInt();
    skinFramework.setProperty(kSkinDispOptions, options | kSkinOptionControls);
    skinFramework.setProperty(kSkinDispSkinDialogs, true);
    skinFramework.setProperty(kSkinDispSkinNewControls, true);
    skinFramework.invoke(kSkinDispApplyWindow, {form.hWnd()});
}

} // namespace shell
