#include "MicDeviceModel.h"

namespace tolvaran {

QVariant MicDeviceModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const MicDevice& device = rows()[index.row()];
    switch (role) {
    case IdRole:
        return device.id;
    case Qt::DisplayRole:
    case NameRole:
        return device.name;
    }
    return {};
}

QHash<int, QByteArray> MicDeviceModel::roleNames() const
{
    return {{IdRole, "uid"}, {NameRole, "name"}};
}

} // namespace tolvaran
