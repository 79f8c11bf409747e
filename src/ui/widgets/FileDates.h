#pragma once

#include <QIdentityProxyModel>

namespace quintora {

// The file dialog's list with its dates in the chosen language: Qt's own file list writes them
// in the locale the program was started in, whatever language the user chose since.
class FileDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

} // namespace quintora
