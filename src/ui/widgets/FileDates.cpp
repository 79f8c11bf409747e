#include "ui/widgets/FileDates.h"

#include <QFileSystemModel>
#include <QLocale>

namespace quintora {

namespace {

constexpr int DateColumn = 3; // the file list's "Date Modified"

} // namespace

QVariant FileDates::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files != nullptr && role == Qt::DisplayRole && index.column() == DateColumn) {
        const QDateTime modified = files->lastModified(mapToSource(index));
        if (modified.isValid()) {
            return QLocale().toString(modified, QLocale::ShortFormat);
        }
    }
    return QIdentityProxyModel::data(index, role);
}

} // namespace quintora
