#pragma once

// A Qt plugin of this Qt, but not the media player: an image-format plugin's interface.
#include <QObject>

class OtherPlugin : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QImageIOHandlerFactoryInterface")
};
