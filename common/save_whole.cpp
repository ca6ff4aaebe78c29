// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "common/save_whole.h"

#include "common/texts.h"

#include <QFileInfo>
#include <QSaveFile>

namespace weir {

Outcome<void> saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::WriteOnly))
        return Fault{Fault::Kind::File, Texts::cannotSave(name, file.errorString())};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fault{Fault::Kind::File, Texts::cannotSave(name, reason)};
    }
    if (!file.commit())
        return Fault{Fault::Kind::File, Texts::cannotSave(name, file.errorString())};
    return {};
}

} // namespace weir
