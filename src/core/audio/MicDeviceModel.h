#pragma once

#include "audio/MicDevice.h"
#include "model/RecordListModel.h"

namespace tolvaran {

// The microphones the settings offer.
class MicDeviceModel : public RecordListModel<MicDevice>
{
    Q_OBJECT
public:
    enum Role { IdRole = Qt::UserRole + 1, NameRole };

    using RecordListModel::RecordListModel;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool sameKey(const MicDevice& a, const MicDevice& b) const override { return a.id == b.id; }
};

} // namespace tolvaran
