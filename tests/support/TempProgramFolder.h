#pragma once

#include "storage/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

// A fresh, empty program folder for one test.
class TempProgramFolder {
public:
    TempProgramFolder() { ProgramFolder::set(m_dir.path()); }
    QString path(const QString& name = {}) const { return ProgramFolder::file(name); }

    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};
