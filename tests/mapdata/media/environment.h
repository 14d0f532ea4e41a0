#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace mapdata {

// Puts an environment variable back as it was when this was made (set to its value, or unset),
// whatever the test did to it meanwhile, so that no case leaves it changed for the next one.
class RestoredEnvironmentVariable {
public:
    explicit RestoredEnvironmentVariable(const char *name)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_value(qgetenv(name)) {}
    RestoredEnvironmentVariable(const char *name, const QByteArray &value)
        : RestoredEnvironmentVariable(name) {
        qputenv(name, value);
    }
    ~RestoredEnvironmentVariable() {
        if (m_wasSet)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }

    RestoredEnvironmentVariable(const RestoredEnvironmentVariable &) = delete;
    RestoredEnvironmentVariable &operator=(const RestoredEnvironmentVariable &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_value;
};

} // namespace mapdata
