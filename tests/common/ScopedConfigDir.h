#pragma once
#include <QByteArray>
#include <QTemporaryDir>

// Points ORVIK_CONFIG_DIR at a fresh empty folder for one test, so every test
// starts with no settings file, and puts the old folder back afterwards.
class ScopedConfigDir {
public:
    ScopedConfigDir() : previous_(qgetenv("ORVIK_CONFIG_DIR"))
    {
        qputenv("ORVIK_CONFIG_DIR", dir_.path().toLocal8Bit());
    }
    ~ScopedConfigDir() { qputenv("ORVIK_CONFIG_DIR", previous_); }

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};
