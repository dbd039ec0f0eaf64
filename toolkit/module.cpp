// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an optional module from the program's own folders.
#include "module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace toolkit {

QFunctionPointer moduleEntry(const char *fileName, const char *symbol)
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString &folder :
         {here, here + QStringLiteral("/.."), QStringLiteral(SUMBROOK_MODULE_DIR)}) {
        if (!QDir::isAbsolutePath(folder)) // no application yet: no folder of its own
            continue;
        // A loaded module stays loaded when its QLibrary goes.
        QLibrary module(QDir(folder).filePath(QString::fromLatin1(fileName)));
        if (module.load())
            return module.resolve(symbol);
    }
    return nullptr;
}

} // namespace toolkit
