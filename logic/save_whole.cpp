// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "logic/save_whole.h"

#include "logic/texts.h"

#include <QFileInfo>
#include <QSaveFile>

namespace weir {

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::WriteOnly))
        return Texts::cannotSave(name, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Texts::cannotSave(name, reason);
    }
    if (!file.commit())
        return Texts::cannotSave(name, file.errorString());
    return {};
}

} // namespace weir
