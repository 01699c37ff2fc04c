#include "PredefinedColorModel.h"

PredefinedColorModel::PredefinedColorModel(const std::vector<PredefinedColor>& entries, QObject* parent)
    : QAbstractListModel(parent), mEntries(entries) {}

int PredefinedColorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(mEntries.size());
}

QVariant PredefinedColorModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) {
        return {};
    }
    const PredefinedColor& entry = mEntries[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return entry.Text;
    case Qt::UserRole:
        return entry.ItemData;
    default:
        return {};
    }
}

void PredefinedColorModel::Refill(const std::function<void()>& Change) {
    beginResetModel();
    Change();
    endResetModel();
}
